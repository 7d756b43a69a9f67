#include "platform/Grid.h"

#include "platform/Form.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTableWidgetItem>
#include <QVariant>

#include <algorithm>

namespace vidora {

namespace {

// The flexAlign value last given to a cell, so that CellAlignment reads back what was set.
constexpr int kRoleAlignement = Qt::UserRole + 1;

int enPixels(double twips) {
    return qRound(twips / twips::parPixel);
}

// flexAlign values 0 to 9 (9, "general", shows text left-aligned like 1).
Qt::Alignment alignementQt(int valeur) {
    static const Qt::Alignment table[] = {
        Qt::AlignLeft | Qt::AlignTop,
        Qt::AlignLeft | Qt::AlignVCenter,
        Qt::AlignLeft | Qt::AlignBottom,
        Qt::AlignHCenter | Qt::AlignTop,
        Qt::AlignCenter,
        Qt::AlignHCenter | Qt::AlignBottom,
        Qt::AlignRight | Qt::AlignTop,
        Qt::AlignRight | Qt::AlignVCenter,
        Qt::AlignRight | Qt::AlignBottom,
        Qt::AlignLeft | Qt::AlignVCenter,
    };
    return table[valeur];
}

// Slim cell margins: the item view's text margin is this metric + 1 on each side.
class StyleGrille : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        if (m == PM_FocusFrameHMargin) return MSFlexGrid::MargeTexte - 1;
        return QProxyStyle::pixelMetric(m, o, w);
    }
};

// A centred heading wider than its column shows its beginning rather than its middle.
class DelegueGrille : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(o, index);
        if ((o->displayAlignment & Qt::AlignHCenter) &&
            o->fontMetrics.horizontalAdvance(o->text) + 2 * MSFlexGrid::MargeTexte > o->rect.width())
            o->displayAlignment = (o->displayAlignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    }
};

} // namespace

MSFlexGrid::MSFlexGrid(QWidget* parent) : QTableWidget(parent) {
    // A narrow face, so that identifiers, postal codes and dates show whole in their design widths.
    QFont police(QString::fromLatin1(FaceGrille));
    police.setPointSizeF(font().pointSizeF());
    setFont(police);
    auto* style = new StyleGrille(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(this);
    setStyle(style);
    setItemDelegate(new DelegueGrille(this));

    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // A text wider than its column is cut at the edge, as in the grids the club knows.
    setTextElideMode(Qt::ElideNone);

    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 4);

    setRows(2);
    setCols(2);
    connect(this, &QTableWidget::cellClicked, this, &MSFlexGrid::cliquer);
}

void MSFlexGrid::setRows(int rows) {
    rows = std::max(rows, 1);
    const int avant = rowCount();
    setRowCount(rows);
    for (int r = avant; r < rows; ++r) {
        for (int c = 0; c < (r == 0 ? columnCount() : std::min(columnCount(), 1)); ++c)
            cellule(r, c);
    }
    row_ = std::min(row_, rows - 1);
}

void MSFlexGrid::setCols(int cols) {
    cols = std::max(cols, 1);
    const int avant = columnCount();
    setColumnCount(cols);
    colTwips_.resize(cols, -1);
    for (int c = avant; c < cols; ++c) {
        for (int r = 0; r < (c == 0 ? rowCount() : std::min(rowCount(), 1)); ++r)
            cellule(r, c);
    }
    col_ = std::min(col_, cols - 1);
}

void MSFlexGrid::setColWidth(int col, int twips) {
    if (col < 0 || col >= columnCount() || twips < 0) return;
    colTwips_[col] = twips;
    if (twips == 0) {
        setColumnHidden(col, true);
    } else {
        setColumnHidden(col, false);
        setColumnWidth(col, enPixels(twips));
    }
}

int MSFlexGrid::ColWidth(int col) const {
    if (col < 0 || col >= columnCount()) return 0;
    if (colTwips_[col] >= 0) return colTwips_[col];
    return isColumnHidden(col) ? 0 : columnWidth(col) * static_cast<int>(twips::parPixel);
}

void MSFlexGrid::setRow(int row) {
    if (row >= 0 && row < rowCount()) row_ = row;
}

void MSFlexGrid::setCol(int col) {
    if (col >= 0 && col < columnCount()) col_ = col;
}

void MSFlexGrid::setCellAlignment(int alignment) {
    if (alignment < 0 || alignment > 9) return;
    QTableWidgetItem* it = cellule(row_, col_);
    it->setTextAlignment(alignementQt(alignment));
    it->setData(kRoleAlignement, alignment);
}

int MSFlexGrid::CellAlignment() const {
    const QTableWidgetItem* it = item(row_, col_);
    if (!it) return 1;
    const QVariant v = it->data(kRoleAlignement);
    return v.isValid() ? v.toInt() : 1;
}

void MSFlexGrid::setText(const QString& text) {
    cellule(row_, col_)->setText(text);
}

QString MSFlexGrid::Text() const {
    return textAt(row_, col_);
}

QString MSFlexGrid::textAt(int row, int col) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void MSFlexGrid::setFontSize(double points) {
    if (points <= 0) return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

double MSFlexGrid::FontSize() const {
    return font().pointSizeF();
}

// Geometry in twips goes through the one mechanism every control of a window uses.
void MSFlexGrid::setTwips(double left, double top, double width, double height) {
    twips::setGeometrie(this, left, top, width, height);
}
void MSFlexGrid::setLeft(double v) {
    twips::setLeft(this, v);
}
void MSFlexGrid::setTop(double v) {
    twips::setTop(this, v);
}
void MSFlexGrid::setWidth(double v) {
    twips::setWidth(this, v);
}
void MSFlexGrid::setHeight(double v) {
    twips::setHeight(this, v);
}
double MSFlexGrid::Left() const {
    return twips::left(this);
}
double MSFlexGrid::Top() const {
    return twips::top(this);
}
double MSFlexGrid::Width() const {
    return twips::width(this);
}
double MSFlexGrid::Height() const {
    return twips::height(this);
}

void MSFlexGrid::cliquer(int row, int col) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return;
    row_ = row;
    col_ = col;
    if (currentRow() != row || currentColumn() != col) setCurrentCell(row, col);
    emit Click();
}

void MSFlexGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 4);
}

QTableWidgetItem* MSFlexGrid::cellule(int row, int col) {
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        styler(it, row, col);
        setItem(row, col, it);
    }
    return it;
}

void MSFlexGrid::styler(QTableWidgetItem* item, int row, int col) const {
    const bool fixe = row == 0 || col == 0;
    item->setFlags(fixe ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setBackground(fixe ? palette().button() : QBrush(Qt::white));
    item->setForeground(fixe ? palette().buttonText() : QBrush(Qt::black));
}

} // namespace vidora
