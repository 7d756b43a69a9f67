// The grid control, driven the way the grid builders and click handlers of the windows do.
#include "platform/Grid.h"

#include <QAccessible>
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using vidora::MSFlexGrid;

namespace {

// One PreparerGrille pass: headings, then one row per record.
void remplir(MSFlexGrid& g, const QStringList& titres, const QList<QStringList>& lignes) {
    g.setRows(2);
    g.setCols(static_cast<int>(titres.size()) + 1);
    g.setColWidth(0, 0);
    g.setRow(0);
    for (int c = 1; c <= titres.size(); ++c) {
        g.setCol(c);
        g.setCellAlignment(4);
        g.setText(titres[c - 1]);
    }
    g.setRow(1);
    for (const QStringList& ligne : lignes) {
        for (int c = 1; c <= ligne.size(); ++c) {
            g.setCol(c);
            g.setCellAlignment(1);
            g.setText(ligne[c - 1]);
        }
        g.setRows(g.Rows() + 1);
        g.setRow(g.Row() + 1);
    }
}

// The caller's width rule: design / 100 x PourcentZoom, a half to the even neighbour.
int largeur(int design, int pourcentZoom) {
    return static_cast<int>(std::nearbyint(design / 100.0 * pourcentZoom));
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT
  private slots:
    void designStocke();
    void remplissageEfface();
    void colonneCachee();
    void largeursEnTwips_data();
    void largeursEnTwips();
    void geometrieEnTwips();
    void clicSurEntete();
    void clicSurLigneVide();
    void vraiClicSouris();
    void remplissageEnBloc();
    void alignementsRelus();
    void desactiveResteNoir();
    void accessibilite();
};

void TestGrid::designStocke() {
    MSFlexGrid g;
    QCOMPARE(g.Rows(), 2);
    QCOMPARE(g.Cols(), 2);
    QVERIFY(g.horizontalHeader()->isHidden());
    QVERIFY(g.verticalHeader()->isHidden());
    QCOMPARE(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(g.item(0, 1)->background().color(), g.palette().color(QPalette::Button));
    QCOMPARE(g.item(1, 0)->background().color(), g.palette().color(QPalette::Button));
    g.setRow(1);
    g.setCol(1);
    QCOMPARE(g.Text(), QString());
    g.setText("X");
    QCOMPARE(g.item(1, 1)->background().color(), QColor(Qt::white));
    QVERIFY(!(g.item(1, 1)->flags() & Qt::ItemIsEditable));
}

void TestGrid::remplissageEfface() {
    MSFlexGrid g;
    QList<QStringList> anciennes;
    for (int i = 1; i <= 5; ++i)
        anciennes << QStringList{QString("ANCIEN%1").arg(i), QString("TITRE%1").arg(i)};
    remplir(g, {"REF.", "TITRE DU FILM"}, anciennes);
    QCOMPARE(g.Rows(), 7);
    QCOMPARE(g.textAt(5, 2), QString("TITRE5"));

    remplir(g, {"REF.", "TITRE DU FILM"}, {{"NEUF", "SEUL"}});
    QCOMPARE(g.Rows(), 3);
    QCOMPARE(g.Row(), 2);
    QCOMPARE(g.textAt(0, 2), QString("TITRE DU FILM"));
    QCOMPARE(g.textAt(1, 1), QString("NEUF"));
    QCOMPARE(g.textAt(1, 2), QString("SEUL"));
    QCOMPARE(g.textAt(2, 1), QString());
    QCOMPARE(g.textAt(2, 2), QString());
    // Rows re-added after a shrink are empty: nothing of the first fill is left anywhere.
    g.setRows(7);
    const QStringList permis{"", "REF.", "TITRE DU FILM", "NEUF", "SEUL"};
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c)
            QVERIFY2(permis.contains(g.textAt(r, c)), qPrintable(g.textAt(r, c)));
    QCOMPARE(g.textAt(5, 2), QString());
}

void TestGrid::colonneCachee() {
    MSFlexGrid g;
    remplir(g, {"NOM"}, {{"ALIEN"}});
    QCOMPARE(g.ColWidth(0), 0);
    QVERIFY(g.isColumnHidden(0));
    g.setRow(1);
    g.setCol(0);
    g.setText("42");
    g.cliquer(1, 1);
    g.setCol(0);
    QCOMPARE(g.Text(), QString("42"));
    g.setColWidth(0, 1500);
    QVERIFY(!g.isColumnHidden(0));
    QCOMPARE(g.columnWidth(0), 100);
}

void TestGrid::largeursEnTwips_data() {
    QTest::addColumn<int>("pourcent");
    QTest::addColumn<int>("design");
    QTest::addColumn<int>("attendu");
    QTest::newRow("80: 1400") << 80 << 1400 << 1120;
    QTest::newRow("80: 5800") << 80 << 5800 << 4640;
    QTest::newRow("102: 1400") << 102 << 1400 << 1428;
    QTest::newRow("102: 610") << 102 << 610 << 622;
}

void TestGrid::largeursEnTwips() {
    QFETCH(int, pourcent);
    QFETCH(int, design);
    QFETCH(int, attendu);
    QCOMPARE(largeur(design, pourcent), attendu);
    MSFlexGrid g;
    g.setCols(3);
    g.setColWidth(2, largeur(design, pourcent));
    QCOMPARE(g.ColWidth(2), attendu);
    QCOMPARE(g.columnWidth(2), qRound(attendu / 15.0));
    QVERIFY(!g.isColumnHidden(2));
}

void TestGrid::geometrieEnTwips() {
    MSFlexGrid g;
    g.setTwips(1000.5, 240.25, 6000, 3000);
    QCOMPARE(g.Left(), 1000.5);
    QCOMPARE(g.Top(), 240.25);
    QCOMPARE(g.property("twipsWidth").toDouble(), 6000.0);
    QCOMPARE(g.geometry(), QRect(67, 16, 400, 200));
    g.setHeight(4507.5);
    QCOMPARE(g.Height(), 4507.5);
    QCOMPARE(g.Left(), 1000.5);
    QCOMPARE(g.height(), 301);
    g.setFontSize(13);
    QCOMPARE(g.FontSize(), 13.0);
}

void TestGrid::clicSurEntete() {
    MSFlexGrid g;
    remplir(g, {"REF.", "TITRE DU FILM"}, {{"1", "ALIEN"}, {"2", "BRAZIL"}});
    QSignalSpy clics(&g, &MSFlexGrid::Click);
    g.cliquer(0, 2);
    QCOMPARE(clics.count(), 1);
    QCOMPARE(g.Row(), 0);
    QCOMPARE(g.Text(), QString("TITRE DU FILM"));
}

void TestGrid::clicSurLigneVide() {
    MSFlexGrid g;
    remplir(g, {"REF.", "TITRE DU FILM"}, {{"1", "ALIEN"}});
    QSignalSpy clics(&g, &MSFlexGrid::Click);
    g.cliquer(g.Rows() - 1, 1);
    QCOMPARE(clics.count(), 1);
    QCOMPARE(g.Row(), 2);
    g.setCol(2);
    QCOMPARE(g.Text(), QString());
}

void TestGrid::vraiClicSouris() {
    MSFlexGrid g;
    g.setTwips(0, 0, 6000, 3000);
    remplir(g, {"REF.", "TITRE DU FILM"}, {{"1", "ALIEN"}, {"2", "BRAZIL"}, {"3", "CARRIE"}});
    g.setColWidth(1, 1500);
    g.setColWidth(2, 3000);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QSignalSpy clics(&g, &MSFlexGrid::Click);
    // The handler sees the clicked cell already current.
    int rowVu = -1;
    connect(&g, &MSFlexGrid::Click, &g, [&] { rowVu = g.Row(); });
    const QRect rect = g.visualRect(g.model()->index(2, 2));
    QVERIFY(rect.isValid());
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(clics.count(), 1);
    QCOMPARE(rowVu, 2);
    QCOMPARE(g.Row(), 2);
    QCOMPARE(g.Col(), 2);
    QCOMPARE(g.Text(), QString("BRAZIL"));
}

// The bulk fill leaves the grid as the cell-by-cell fill does, and a refill that shrinks and then
// grows the grid brings back no text and no alignment of the first fill.
void TestGrid::remplissageEnBloc() {
    const QStringList titres{"REF.", "TITRE DU FILM"};
    MSFlexGrid pas, bloc;
    remplir(pas, titres, {{"1", "ALIEN"}, {"2", "BRAZIL"}, {"3", "CARRIE"}});
    remplir(bloc, titres, {});
    bloc.setRow(1);
    bloc.setCol(2);
    bloc.setCellAlignment(4);
    // With room for the heading and empty rows, the list itself becomes the cells.
    QList<QString> lignes;
    lignes.reserve(15);
    lignes << ""
           << "1"
           << "ALIEN"
           << ""
           << "2"
           << "BRAZIL"
           << ""
           << "3"
           << "CARRIE";
    bloc.remplirLignes(lignes);
    QCOMPARE(bloc.Rows(), pas.Rows());
    QCOMPARE(bloc.Row(), pas.Row());
    for (int r = 0; r < pas.Rows(); ++r)
        for (int c = 0; c < pas.Cols(); ++c) {
            QCOMPARE(bloc.textAt(r, c), pas.textAt(r, c));
            bloc.setRow(r);
            bloc.setCol(c);
            pas.setRow(r);
            pas.setCol(c);
            QCOMPARE(bloc.CellAlignment(), pas.CellAlignment());
        }

    bloc.setRow(3);
    bloc.setCol(1);
    bloc.setCellAlignment(7);
    remplir(bloc, titres, {});
    bloc.remplirLignes({"", "9", "ZORRO"});
    bloc.setRows(6);
    QCOMPARE(bloc.textAt(1, 2), QString("ZORRO"));
    for (int r = 2; r < 6; ++r)
        for (int c = 0; c < bloc.Cols(); ++c) {
            QCOMPARE(bloc.textAt(r, c), QString());
            bloc.setRow(r);
            bloc.setCol(c);
            QCOMPARE(bloc.CellAlignment(), 1);
        }
}

// Every flexAlign value reads back as set and reaches the view as its Qt alignment; widths set
// before the columns grow are kept.
void TestGrid::alignementsRelus() {
    const Qt::Alignment attendu[] = {
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
    MSFlexGrid g;
    g.setCols(3);
    g.setColWidth(1, 1500);
    g.setColWidth(2, 0);
    g.setRows(12);
    for (int v = 0; v <= 9; ++v) {
        g.setRow(v + 1);
        g.setCol(1);
        g.setCellAlignment(v);
        QCOMPARE(g.CellAlignment(), v);
        const QVariant vu = g.model()->index(v + 1, 1).data(Qt::TextAlignmentRole);
        QCOMPARE(Qt::Alignment(vu.isValid() ? vu.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter)),
                 attendu[v]);
    }
    g.setCols(6);
    QCOMPARE(g.ColWidth(1), 1500);
    QCOMPARE(g.columnWidth(1), 100);
    QCOMPARE(g.ColWidth(2), 0);
    QVERIFY(g.isColumnHidden(2));
}

// A disabled grid draws its cells' text black, as an enabled one does.
void TestGrid::desactiveResteNoir() {
    MSFlexGrid g;
    g.setTwips(0, 0, 6000, 3000);
    remplir(g, {"TITRE DU FILM"}, {{"WWWWWWWW"}});
    g.setColWidth(1, 4500);
    g.setEnabled(false);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    const QImage image = g.viewport()->grab().toImage();
    const QRect cellule = g.visualRect(g.model()->index(1, 1));
    int plusSombre = 255;
    for (int y = cellule.top(); y <= cellule.bottom(); ++y)
        for (int x = cellule.left(); x <= cellule.right(); ++x)
            plusSombre = std::min(plusSombre, qGray(image.pixel(x, y)));
    QVERIFY2(plusSombre < 40, qPrintable(QString::number(plusSombre)));
}

// Every cell, the fixed ones included, reads through the accessibility interface of the grid.
void TestGrid::accessibilite() {
    MSFlexGrid g;
    remplir(g, {"REF.", "TITRE DU FILM"}, {{"1", "ALIEN"}, {"2", "BRAZIL"}});
    g.setRow(1);
    g.setCol(0);
    g.setText("42");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&g);
    QVERIFY(a && a->tableInterface());
    QAccessibleTableInterface* t = a->tableInterface();
    QCOMPARE(t->rowCount(), g.Rows());
    QCOMPARE(t->columnCount(), g.Cols());
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) {
            QAccessibleInterface* cellule = t->cellAt(r, c);
            QVERIFY(cellule);
            QCOMPARE(cellule->text(QAccessible::Name), g.textAt(r, c));
        }
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
