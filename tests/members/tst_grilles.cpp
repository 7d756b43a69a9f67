// The list grids as the operator reads them: on both design screens, a film identifier, a member
// identifier, a postal code and a due date show whole in their columns, measured with the face the
// grid actually uses.
#include "Banc.h"

#include "catalogue/FrmListe.h"
#include "common/Contexte.h"
#include "members/FrmEntreeSortie.h"
#include "members/FrmLettreRappel.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

void ajouter(const QString& table, const QMap<QString, QString>& v) {
    auto t = ctx().base().ouvrirTable(table);
    t->AddNew();
    for (auto it = v.begin(); it != v.end(); ++it)
        t->SetValue(it.key(), it.value());
    t->Update();
}

// The cells of the named columns whose text is wider than the column leaves for it.
QStringList coupees(const MSFlexGrid* g, const QStringList& entetes) {
    QStringList res;
    if (QFontInfo(g->font()).family() != QLatin1String(MSFlexGrid::FaceGrille))
        res << QStringLiteral("face : ") + QFontInfo(g->font()).family();
    const QFontMetrics m(g->font());
    // The item view's text margin on each side, as the grid's own style gives it.
    const int marge = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
    int vues = 0;
    for (int c = 1; c < g->Cols(); ++c) {
        if (!entetes.contains(g->textAt(0, c))) continue;
        for (int r = 1; r < g->Rows(); ++r) {
            const QString t = g->textAt(r, c);
            if (t.isEmpty()) continue;
            ++vues;
            if (m.horizontalAdvance(t) + 2 * marge + g->showGrid() > g->columnWidth(c))
                res << g->textAt(0, c) + QStringLiteral(" : ") + t;
        }
    }
    if (vues == 0) res << QStringLiteral("aucune cellule vue");
    return res;
}

} // namespace

class TestGrilles : public QObject {
    Q_OBJECT
  private slots:
    void textesEntiers_data();
    void textesEntiers();
};

void TestGrilles::textesEntiers_data() {
    QTest::addColumn<QSize>("ecran");
    QTest::newRow("800 x 600") << QSize(12000, 9000);
    QTest::newRow("1024 x 768") << QSize(15360, 11520);
}

void TestGrilles::textesEntiers() {
    QFETCH(QSize, ecran);
    Banc b;
    b.env().ecran = ecran;
    b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(d);
    // The widest month letter; a counter past 99.
    ajouter("CD",
            {{"MatriculeCD", "9999909M2026"}, {"Nom", "ALIEN"}, {"Categorie", "POLICIER"}, {"Sortie", "3"}});
    QMap<QString, QString> m = {{"MatriculeAbon", "123M2026"}, {"NomAbon", "DUPONT"}, {"CodeAbon", "75016"}};
    for (const char* c : {"DateRest", "DateEmp", "MatriCD", "NomCD", "Averti"})
        for (int k = 1; k <= 3; ++k)
            m[c + QString::number(k)] = "0";
    m.insert({{"DateRest1", "08/11/2026"}, {"MatriCD1", "9999909M2026"}, {"NomCD1", "ALIEN"}});
    ajouter("Abonne", m);

    QVERIFY(choisirMenu(d, "Liste"));
    auto* liste = b.fenetre<FrmListe>();
    QVERIFY(liste);
    QCOMPARE(coupees(liste->grilleFilms, {"REF."}), QStringList());
    QVERIFY(choisirMenu(liste, "Retour"));

    QVERIFY(choisirMenu(d, "Entre"));
    auto* pret = b.fenetre<FrmEntreeSortie>();
    QVERIFY(pret);
    QCOMPARE(coupees(pret->grilleAbonnes, {"REF", "CODE"}), QStringList());
    pret->grilleAbonnes->cliquer(1, 1);
    cliquer(pret->boutonPreter[1]);
    QCOMPARE(coupees(pret->grilleFilms, {"REF."}), QStringList());
    QVERIFY(choisirMenu(pret, "Retour") && choisirMenu(pret, "Menu"));

    QVERIFY(choisirMenu(d, "Rappel"));
    auto* rappel = b.fenetre<FrmLettreRappel>();
    QVERIFY(rappel && rappel->grilleRetardataires->Visible());
    QCOMPARE(coupees(rappel->grilleRetardataires, {"REF", "CODE", "CD 1"}), QStringList());
}

QTEST_MAIN(TestGrilles)
#include "tst_grilles.moc"
