#include "platform/Grid.h"

#include "platform/Form.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QVariant>

#include <algorithm>

namespace vidora {

namespace {

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

// The fixed row and column on the button face, the other cells black on white whatever the
// grid's state: a disabled grid keeps its text readable.
bool fixe(int row, int col) {
    return row == 0 || col == 0;
}
QBrush fondCellule(const QPalette& p, int row, int col) {
    return fixe(row, col) ? p.brush(QPalette::Active, QPalette::Button) : QBrush(Qt::white);
}
QBrush encreCellule(const QPalette& p, int row, int col) {
    return fixe(row, col) ? p.brush(QPalette::Active, QPalette::ButtonText) : QBrush(Qt::black);
}
Qt::ItemFlags drapeauxCellule(int row, int col) {
    return fixe(row, col) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// The fixed row and column, and a centred heading wider than its column, which shows its
// beginning rather than its middle.
class DelegueGrille : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(o, index);
        o->backgroundBrush = fondCellule(o->palette, index.row(), index.column());
        o->palette.setBrush(QPalette::Text, encreCellule(o->palette, index.row(), index.column()));
        if ((o->displayAlignment & Qt::AlignHCenter) &&
            o->fontMetrics.horizontalAdvance(o->text) + 2 * MSFlexGrid::MargeTexte > o->rect.width())
            o->displayAlignment = (o->displayAlignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    }
};

} // namespace

// The cells of a grid: their texts in one block, row after row, and the alignments that are not
// the default left (1), by cell.
class ModeleGrille : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : lignes_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? drapeauxCellule(index.row(), index.column()) : Qt::NoItemFlags;
    }

    bool dedans(int row, int col) const { return row >= 0 && row < lignes_ && col >= 0 && col < cols_; }
    const QString& texte(int row, int col) const { return textes_[qsizetype(row) * cols_ + col]; }
    void setTexte(int row, int col, const QString& t);
    int alignement(int row, int col) const { return alignements_.value(cle(row, col), 1); }
    void setAlignement(int row, int col, int valeur);
    void setLignes(int lignes);
    void setColonnes(int cols);
    void remplir(int premiere, QList<QString> textes);

  private:
    static quint64 cle(int row, int col) { return quint64(quint32(row)) << 32 | quint32(col); }
    void signaler(int row, int col, int role) {
        const QModelIndex i = index(row, col);
        emit dataChanged(i, i, {role});
    }

    int lignes_ = 0;
    int cols_ = 0;
    QList<QString> textes_;
    QHash<quint64, int> alignements_;
};

QVariant ModeleGrille::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !dedans(index.row(), index.column())) return {};
    if (role == Qt::DisplayRole) return texte(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const auto a = alignements_.constFind(cle(index.row(), index.column()));
        if (a != alignements_.cend()) return int(alignementQt(*a));
    }
    return {};
}

void ModeleGrille::setTexte(int row, int col, const QString& t) {
    textes_[qsizetype(row) * cols_ + col] = t;
    signaler(row, col, Qt::DisplayRole);
}

void ModeleGrille::setAlignement(int row, int col, int valeur) {
    if (valeur == 1)
        alignements_.remove(cle(row, col));
    else
        alignements_.insert(cle(row, col), valeur);
    signaler(row, col, Qt::TextAlignmentRole);
}

void ModeleGrille::setLignes(int lignes) {
    if (lignes < lignes_) {
        beginRemoveRows({}, lignes, lignes_ - 1);
        lignes_ = lignes;
        textes_.resize(qsizetype(lignes_) * cols_);
        textes_.squeeze();
        alignements_.removeIf([lignes](const auto& a) { return int(a.key() >> 32) >= lignes; });
        endRemoveRows();
    } else if (lignes > lignes_) {
        beginInsertRows({}, lignes_, lignes - 1);
        lignes_ = lignes;
        textes_.resize(qsizetype(lignes_) * cols_);
        endInsertRows();
    }
}

void ModeleGrille::setColonnes(int cols) {
    if (cols == cols_) return;
    // Each row keeps its first columns; the block is laid out again at the new width.
    QList<QString> textes(qsizetype(lignes_) * cols);
    const int gardees = std::min(cols, cols_);
    for (int r = 0; r < lignes_; ++r)
        for (int c = 0; c < gardees; ++c)
            textes[qsizetype(r) * cols + c] = std::move(textes_[qsizetype(r) * cols_ + c]);
    if (cols < cols_) {
        beginRemoveColumns({}, cols, cols_ - 1);
        cols_ = cols;
        textes_ = std::move(textes);
        alignements_.removeIf([cols](const auto& a) { return int(a.key() & 0xffffffffu) >= cols; });
        endRemoveColumns();
    } else {
        beginInsertColumns({}, cols_, cols - 1);
        cols_ = cols;
        textes_ = std::move(textes);
        endInsertColumns();
    }
}

void ModeleGrille::remplir(int premiere, QList<QString> textes) {
    const int n = int((textes.size() + cols_ - 1) / cols_);
    if (n == 0) return;
    const qsizetype ecrits = qsizetype(n) * cols_, dessus = qsizetype(premiere) * cols_;
    textes.resize(ecrits);
    const int avant = lignes_;
    if (premiere == avant - 1 && textes.capacity() >= ecrits + dessus + cols_) {
        // Filled from the last row with room left for the rows above and the empty row after: the
        // list given becomes the cells, without a second block of them.
        beginInsertRows({}, avant, avant + n - 1);
        textes.resize(ecrits + dessus + cols_);
        std::move_backward(textes.begin(), textes.begin() + ecrits, textes.begin() + ecrits + dessus);
        std::move(textes_.begin(), textes_.begin() + dessus, textes.begin());
        textes_ = std::move(textes);
        lignes_ = avant + n;
        endInsertRows();
    } else {
        // The rows added at the end, then the rows written from the first one on.
        setLignes(lignes_ + n);
        std::move(textes.begin(), textes.end(), textes_.begin() + dessus);
    }
    alignements_.removeIf([premiere, n](const auto& a) {
        const int r = int(a.key() >> 32);
        return r >= premiere && r < premiere + n;
    });
    if (premiere < avant)
        emit dataChanged(index(premiere, 0), index(std::min(premiere + n, avant) - 1, cols_ - 1));
}

MSFlexGrid::MSFlexGrid(QWidget* parent) : QTableView(parent), modele_(new ModeleGrille(this)) {
    setModel(modele_);
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
    setPalette(p);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 4);

    setRows(2);
    setCols(2);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& i) { cliquer(i.row(), i.column()); });
}

int MSFlexGrid::Rows() const {
    return modele_->rowCount();
}

int MSFlexGrid::Cols() const {
    return modele_->columnCount();
}

void MSFlexGrid::setRows(int rows) {
    rows = std::max(rows, 1);
    modele_->setLignes(rows);
    row_ = std::min(row_, rows - 1);
}

void MSFlexGrid::setCols(int cols) {
    cols = std::max(cols, 1);
    modele_->setColonnes(cols);
    colTwips_.resize(cols, -1);
    col_ = std::min(col_, cols - 1);
}

void MSFlexGrid::setColWidth(int col, int twips) {
    if (col < 0 || col >= Cols() || twips < 0) return;
    colTwips_[col] = twips;
    if (twips == 0) {
        setColumnHidden(col, true);
    } else {
        setColumnHidden(col, false);
        setColumnWidth(col, enPixels(twips));
    }
}

int MSFlexGrid::ColWidth(int col) const {
    if (col < 0 || col >= Cols()) return 0;
    if (colTwips_[col] >= 0) return colTwips_[col];
    return isColumnHidden(col) ? 0 : columnWidth(col) * static_cast<int>(twips::parPixel);
}

void MSFlexGrid::setRow(int row) {
    if (row >= 0 && row < Rows()) row_ = row;
}

void MSFlexGrid::setCol(int col) {
    if (col >= 0 && col < Cols()) col_ = col;
}

void MSFlexGrid::setCellAlignment(int alignment) {
    if (alignment < 0 || alignment > 9) return;
    modele_->setAlignement(row_, col_, alignment);
}

int MSFlexGrid::CellAlignment() const {
    return modele_->alignement(row_, col_);
}

void MSFlexGrid::setText(const QString& text) {
    modele_->setTexte(row_, col_, text);
}

QString MSFlexGrid::Text() const {
    return textAt(row_, col_);
}

QString MSFlexGrid::textAt(int row, int col) const {
    return modele_->dedans(row, col) ? modele_->texte(row, col) : QString();
}

std::optional<CelluleGrille> MSFlexGrid::item(int row, int col) const {
    if (!modele_->dedans(row, col)) return std::nullopt;
    return CelluleGrille{modele_->texte(row, col), fondCellule(palette(), row, col),
                         encreCellule(palette(), row, col), drapeauxCellule(row, col)};
}

void MSFlexGrid::remplirLignes(QList<QString> textes) {
    const int avant = Rows();
    modele_->remplir(row_, std::move(textes));
    row_ += Rows() - avant;
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
    if (!modele_->dedans(row, col)) return;
    row_ = row;
    col_ = col;
    const QModelIndex i = modele_->index(row, col);
    if (currentIndex() != i) setCurrentIndex(i);
    emit Click();
}

void MSFlexGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 4);
}

} // namespace vidora
