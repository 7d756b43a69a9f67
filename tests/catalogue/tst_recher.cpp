// The search by category ("Film" > "Recherche par categorie"): the exact filter, the count, the
// card's save that takes a film out of the list, and the chooser's entries.
#include "Banc.h"
#include "Films.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/FrmRecher.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

class TestRecher : public QObject {
    Q_OBJECT
  private slots:
    void parCategorie() {
        Banc b;
        b.creerBase();
        FrmDepart* d = b.connecter();
        ajouterFilm("R1", "ALIEN", {{"Categorie", "WESTERN"}});
        const qint64 r2 = ajouterFilm("R2", "BRAZIL", {{"Categorie", "WESTERN"}});
        ajouterFilm("R3", "CASSE", {{"Categorie", "western"}});
        ajouterFilm("R4", "DUNE", {{"Categorie", "WESTERN "}});
        ajouterFilm("R5", "ERASER");
        QVERIFY(d && choisirMenu(d, "recher"));
        FrmRecher* f = b.fenetre<FrmRecher>();
        QVERIFY(f && f->listeChoixCategorie->isVisibleTo(f) && !f->bandeauCompte->isVisibleTo(f));
        QVERIFY(!entreeDisponible(f, "Enregitre") && !entreeDisponible(f, "SaiAffiche"));

        // "Autre Film" before any category: no film, the count 0, the chooser still there.
        QVERIFY(choisirMenu(f, "Autre"));
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 0"));
        QVERIFY(f->listeChoixCategorie->isVisibleTo(f));

        QVERIFY(choisirDansListe(f->listeChoixCategorie, "WESTERN") &&
                !f->listeChoixCategorie->isVisibleTo(f));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R1", "R2", ""}));
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 2"));
        f->grilleFilms->cliquer(0, 2);
        f->grilleFilms->cliquer(3, 2);
        QVERIFY(!f->fiche->isVisibleTo(f) && entreeDisponible(f, "Catego"));

        // A new category on the card: the film leaves the list, which stays on WESTERN.
        QVERIFY(cliquerFilm(f->grilleFilms, "R2"));
        QVERIFY(f->fiche->isVisibleTo(f) && !entreeDisponible(f, "Catego") &&
                !entreeDisponible(f, "Effaimage"));
        QVERIFY(choisirDansListe(f->fiche->listeCategories, "POLICIER"));
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(champFilm(r2, "Categorie"), QString("POLICIER"));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R1", ""}));
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 1"));
        QVERIFY(!entreeDisponible(f, "Catego"));
        QVERIFY(cliquerFilm(f->grilleFilms, "R1") && choisirMenu(f, "Autre") && choisirMenu(f, "Catego"));
        QVERIFY(f->listeChoixCategorie->isVisibleTo(f) && !f->grilleFilms->isVisibleTo(f));
        QVERIFY(choisirDansListe(f->listeChoixCategorie, "ACTION"));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R5", ""}));
        QCOMPARE(b.messages(), QString());
    }
};

QTEST_MAIN(TestRecher)
#include "tst_recher.moc"
