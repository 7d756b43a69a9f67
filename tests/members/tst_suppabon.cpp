// "Supprimer Abonné" driven from the main menu as the operator drives it: the member of the row
// clicked goes with its loan slots, its homonym and the films' counts stay; a member deleted
// meanwhile.
#include "Banc.h"
#include "Tables.h"

#include "common/Contexte.h"
#include "common/Grilles.h"
#include "members/FicheAbonne.h"
#include "members/FrmSuppAbon.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

FrmSuppAbon* ouvrir(Banc& b) {
    b.creerBase();
    FrmDepart* d = b.connecter();
    if (!d) return nullptr;
    ajouterLigne("CD", {{"MatriculeCD", "001A08U2026"}, {"Nom", "ALIEN"}, {"Sortie", "2"}});
    ajouterAbonne("001U2026", "DUPONT",
                  {{"MatriCD1", "001A08U2026"}, {"NomCD1", "ALIEN"}, {"DateEmp1", "01/11/2026"}});
    ajouterAbonne("002U2026", "DUPONT", {{"MatriCD2", "001A08U2026"}, {"NomCD2", "ALIEN"}});
    ajouterAbonne("003U2026", "MARTIN");
    return choisirMenu(d, "SuppAbon") ? b.fenetre<FrmSuppAbon>() : nullptr;
}

bool liste(FrmSuppAbon* f) {
    return !f->fiche->isVisibleTo(f) && f->grilleAbonnes->isVisibleTo(f) &&
           !entreeDisponible(f, "Enregitre") && !entreeDisponible(f, "Autre") && !ctx().TableOuverte;
}

} // namespace

class TestSuppAbon : public QObject {
    Q_OBJECT
  private slots:
    void supprimeLeMembreClique_data();
    void supprimeLeMembreClique();
    void supprimeEntreTemps();
};

void TestSuppAbon::supprimeLeMembreClique_data() {
    QTest::addColumn<int>("rangee");
    QTest::newRow("premier homonyme, un film en main") << 1;
    QTest::newRow("second homonyme") << 2;
    QTest::newRow("le seul autre nom") << 3;
}

void TestSuppAbon::supprimeLeMembreClique() {
    QFETCH(int, rangee);
    Banc b;
    FrmSuppAbon* f = ouvrir(b);
    QVERIFY(f && liste(f));
    const QList<Ligne> films = lignes("CD");
    QList<Ligne> attendu = lignes("Abonne");
    f->grilleAbonnes->cliquer(rangee, 3);
    FicheAbonne* c = f->fiche;
    QVERIFY(c->isVisibleTo(f) && !f->grilleAbonnes->isVisibleTo(f) && !c->caseMatricule->isEnabled());
    QCOMPARE(c->caseMatricule->text(), attendu[rangee - 1]["MatriculeAbon"]);
    // What is typed plays no part; only the name writes in capitals, Enter moves nowhere.
    taper(c->caseNom, "martin", true);
    QCOMPARE(QApplication::focusWidget(), c->caseNom);
    taper(c->casePrenom, "paul", true);
    QCOMPARE(c->caseNom->text() + c->casePrenom->text(),
             attendu[rangee - 1]["NomAbon"] + "MARTIN" + "JEANpaul");
    QCOMPARE(QApplication::focusWidget(), c->casePrenom);
    // "Autre Abonne" never deletes.
    QVERIFY(choisirMenu(f, "Autre") && liste(f));
    QCOMPARE(lignes("Abonne"), attendu);
    f->grilleAbonnes->cliquer(rangee, 3);
    QVERIFY(choisirMenu(f, "Enregitre"));
    QVERIFY(b.env().messages.isEmpty() && b.env().questions.empty());
    attendu.removeAt(rangee - 1);
    QCOMPARE(lignes("Abonne"), attendu);
    QCOMPARE(lignes("CD"), films); // the films lent keep counting their copies as out
    QVERIFY(liste(f));
    QCOMPARE(f->grilleAbonnes->Rows(), 4);
}

void TestSuppAbon::supprimeEntreTemps() {
    Banc b;
    FrmSuppAbon* f = ouvrir(b);
    QVERIFY(f);
    f->grilleAbonnes->cliquer(2, 2);
    {
        auto t = ctx().base().ouvrirTable("Abonne");
        QVERIFY(t->AllerA(CleLigneCourante(*f->grilleAbonnes)));
        t->Delete();
    }
    const QList<Ligne> avant = lignes("Abonne");
    QVERIFY(choisirMenu(f, "Enregitre"));
    QCOMPARE(lignes("Abonne"), avant); // its homonym stays
    QVERIFY(liste(f));
    // Deleting the last members one by one leaves the empty row alone.
    for (int i = 0; i < 2; ++i) {
        f->grilleAbonnes->cliquer(1, 2);
        QVERIFY(choisirMenu(f, "Enregitre"));
    }
    QVERIFY(lignes("Abonne").isEmpty());
    QCOMPARE(f->grilleAbonnes->Rows(), 2);
}

QTEST_MAIN(TestSuppAbon)
#include "tst_suppabon.moc"
