// The grid set-up of the production code: the width rule on a scale that gives half twips, and a
// refill that no row passes.
#include "Banc.h"

#include "common/Contexte.h"
#include "common/Grilles.h"
#include "platform/Grid.h"

#include <QtTest>

using namespace vidora;
using namespace vidora_test;

class TestGrilles : public QObject {
    Q_OBJECT
  private slots:
    void largeurDemiTwip_data();
    void largeurDemiTwip();
    void remplissageSansLigne();
    void champAbsentSignale();
};

void TestGrilles::largeurDemiTwip_data() {
    QTest::addColumn<int>("pourcent");
    QTest::addColumn<int>("attendu");
    // 610 x 85 / 100 = 518.5 and 610 x 95 / 100 = 579.5: a half goes to the even neighbour.
    QTest::newRow("85") << 85 << 518;
    QTest::newRow("95") << 95 << 580;
    QTest::newRow("102") << 102 << 622;
}

void TestGrilles::largeurDemiTwip() {
    QFETCH(int, pourcent);
    QFETCH(int, attendu);
    Banc b;
    ctx().PourcentZoom = pourcent;
    MSFlexGrid g;
    PreparerEntetes(g, {{"REF", 900, {}}, {"CODE", 610, {}}});
    QCOMPARE(g.ColWidth(0), 0);
    QCOMPARE(g.ColWidth(2), attendu);
    QCOMPARE(g.columnWidth(2), qRound(attendu / 15.0));
}

void TestGrilles::remplissageSansLigne() {
    Banc b;
    b.creerBase();
    QVERIFY(b.connecter());
    {
        auto t = ctx().base().ouvrirTable("CD");
        for (const char* nom : {"ALIEN", "BRAZIL", "CARRIE"}) {
            t->AddNew();
            t->SetValue("MatriculeCD", QString::fromLatin1(nom).left(3));
            t->SetValue("Nom", QString::fromLatin1(nom));
            t->Update();
        }
    }
    const QVector<ColonneGrille> colonnes = {Colonne("REF.", 1200, "MatriculeCD"),
                                             Colonne("TITRE DU FILM", 5700, "Nom")};
    MSFlexGrid g;
    PreparerGrille(g, colonnes, "CD");
    QCOMPARE(g.Rows(), 5);
    PreparerGrille(g, colonnes, "CD", [](const Recordset&) { return false; });
    // The headings and one empty row: no old text, no old key.
    QCOMPARE(g.Rows(), 2);
    for (int c = 0; c < g.Cols(); ++c)
        QCOMPARE(g.textAt(1, c), QString());
    g.cliquer(1, 1);
    QCOMPARE(CleLigneCourante(g), -1);
}

// A column naming a field its table does not hold says so, rather than showing an empty column.
void TestGrilles::champAbsentSignale() {
    Banc b;
    b.creerBase();
    QVERIFY(b.connecter());
    {
        auto t = ctx().base().ouvrirTable("CD");
        t->AddNew();
        t->SetValue("Nom", "ALIEN");
        t->Update();
    }
    MSFlexGrid g;
    try {
        PreparerGrille(g, {Colonne("TITRE DU FILM", 5700, "Nom"), Colonne("SPECIALITE", 1400, "Titre")},
                       "CD");
        QFAIL("the grid was filled with an empty column");
    } catch (const ErreurBase& e) {
        QCOMPARE(e.genre(), ErreurBase::Genre::ChampInconnu);
        QVERIFY2(e.message().contains("Titre"), qPrintable(e.message()));
    }
    // No row with a hole in it: the headings and the empty row.
    QCOMPARE(g.Rows(), 2);
}

QTEST_MAIN(TestGrilles)
#include "tst_grilles.moc"
