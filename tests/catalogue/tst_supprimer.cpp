// Film deletion ("Film" > "Supprimer Film"): the film of the clicked row goes, its picture file only
// once the deletion is committed and no other film shares it; clicks that find no film.
#include "Banc.h"
#include "Films.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/FrmSupprimer.h"
#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Images.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

FrmSupprimer* ouvrir(Banc& b, const std::function<void()>& films) {
    b.creerBase();
    FrmDepart* d = b.connecter();
    films();
    return d && choisirMenu(d, "reche") ? b.fenetre<FrmSupprimer>() : nullptr;
}

bool surLaFiche(FrmSupprimer* f) {
    return f->fiche->isVisibleTo(f) && !f->grilleFilms->isVisibleTo(f) && entreeDisponible(f, "Enregitre") &&
           entreeDisponible(f, "Autre") && !entreeDisponible(f, "Caztegori");
}

} // namespace

class TestSupprimer : public QObject {
    Q_OBJECT
  private slots:
    void suppression_data() {
        QTest::addColumn<QString>("titre3"); // R3's title; R1 is "L'AVION 100%"
        QTest::addColumn<QString>("clique");
        QTest::addColumn<bool>("fichier");      // the title's picture file is in "Images"
        QTest::addColumn<QString>("panne");     // a failure staged before the deletion is committed
        QTest::addColumn<QString>("autreBase"); // a title with its picture in "AUTRE.MDB"
        QTest::addColumn<QString>("restent");
        QTest::addColumn<bool>("fichierReste");
        const QString avion = "L'AVION 100%";
        QTest::newRow("sa photo") << "ZORRO"
                                  << "R1" << true << ""
                                  << ""
                                  << "R3" << false;
        QTest::newRow("photo absente") << "ZORRO"
                                       << "R1" << false << ""
                                       << ""
                                       << "R3" << false;
        QTest::newRow("panne avant validation") << "ZORRO"
                                                << "R1" << true << "suppression-film"
                                                << ""
                                                << "R1 R3" << true;
        // Two films of one title: the clicked one goes, the other and their shared picture stay.
        QTest::newRow("deux films d'un titre") << avion << "R3" << true << ""
                                               << ""
                                               << "R1" << true;
        QTest::newRow("titres à un blanc près") << avion + " "
                                                << "R3" << true << ""
                                                << ""
                                                << "R1" << true;
        // Pictures are shared by the databases of the folder.
        QTest::newRow("photo d'une autre base") << "ZORRO"
                                                << "R1" << true << "" << avion << "R3" << true;
    }
    void suppression() {
        QFETCH(QString, titre3);
        QFETCH(QString, clique);
        QFETCH(bool, fichier);
        QFETCH(QString, panne);
        QFETCH(QString, autreBase);
        QFETCH(QString, restent);
        QFETCH(bool, fichierReste);
        Banc b;
        if (!autreBase.isEmpty()) {
            auto autre = Database::ouvrir(b.creerBase("AUTRE.MDB"));
            auto cd = autre->ouvrirTable("CD");
            cd->AddNew();
            cd->SetValue("Nom", autreBase);
            cd->SetValue("Image", true);
            cd->Update();
        }
        QMap<QString, qint64> cles;
        FrmSupprimer* f = ouvrir(b, [&] {
            cles["R1"] = ajouterFilm("R1", "L'AVION 100%", {{"Image", true}});
            cles["R2"] = ajouterFilm("R2", "AUTRE GENRE", {{"Categorie", "WESTERN"}});
            cles["R3"] = ajouterFilm("R3", titre3, {{"Image", true}, {"Date", "03/03/2003"}});
        });
        QVERIFY(f);
        const QString image = FichierImageFilm("L'AVION 100%");
        if (fichier) QVERIFY(QFile::copy(unePhoto(b.dossier(), "p.bmp", Qt::red), image));
        QVERIFY(!entreeDisponible(f, "Enregitre"));
        QVERIFY(choisirDansListe(f->listeChoixCategorie, "ACTION"));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R1", "R3", ""}));
        QVERIFY(cliquerFilm(f->grilleFilms, clique) && surLaFiche(f));
        // The clicked film, even with its picture missing (the default one shown).
        QCOMPARE(f->fiche->caseReference->text(), clique);
        QCOMPARE(f->fiche->DrapeauImage(), fichier ? QString("O") : QString("N"));
        f->fiche->caseTitre->setText("AUTRE GENRE"); // typed on the card: never used
        b.env().panneA = panne;
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(b.messages().isEmpty(), panne.isEmpty());
        QStringList presents;
        for (auto it = cles.begin(); it != cles.end(); ++it)
            if (it.key() != "R2" && champFilm(it.value(), "MatriculeCD") == it.key()) presents << it.key();
        QCOMPARE(presents.join(' '), restent);
        QCOMPARE(champFilm(cles["R2"], "Nom"), QString("AUTRE GENRE"));
        QCOMPARE(QFile::exists(image), fichierReste && fichier);
        if (panne.isEmpty()) {
            QVERIFY(!f->fiche->isVisibleTo(f) && entreeDisponible(f, "Caztegori"));
            QCOMPARE(colonneGrille(f->grilleFilms, 1).size(), restent.split(' ').size() + 1);
        }
    }

    void clicsSansFilm() {
        Banc b;
        qint64 r1 = -1, r2 = -1;
        FrmSupprimer* f = ouvrir(b, [&] {
            r1 = ajouterFilm("R1", "ALIEN");
            r2 = ajouterFilm("R2", "BRAZIL");
            ajouterFilm("R3", "CASSE", {{"Categorie", "action"}});
            ajouterFilm("R4", "DUNE", {{"Categorie", "ACTION "}});
            ajouterFilm("R5", "ERASER", {{"Categorie", QVariant()}});
        });
        // "Autre Film" before any category: an empty list, the chooser still there.
        QVERIFY(choisirMenu(f, "Autre"));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({""}));
        QVERIFY(choisirDansListe(f->listeChoixCategorie, "ACTION") &&
                !f->listeChoixCategorie->isVisibleTo(f));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R1", "R2", ""}));
        // The heading and the empty row open nothing: the message, then the list.
        for (int rangee : {0, 3}) {
            f->grilleFilms->cliquer(rangee, 2);
            QCOMPARE(b.messages(), QString::fromUtf8("Pas de Film d'enregisté"));
            QVERIFY(!f->fiche->isVisibleTo(f) && f->grilleFilms->isVisibleTo(f));
            QVERIFY(!entreeDisponible(f, "Caztegori") && !entreeDisponible(f, "Enregitre"));
            QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R1", "R2", ""}));
        }
        // "Autre Film" from a card deletes nothing.
        QVERIFY(cliquerFilm(f->grilleFilms, "R1") && choisirMenu(f, "Autre"));
        QCOMPARE(champFilm(r1, "Nom"), QString("ALIEN"));
        QVERIFY(entreeDisponible(f, "Caztegori"));
        // A film deleted meanwhile: the message, then the list.
        {
            auto t = ctx().base().ouvrirTable("CD");
            QVERIFY(t->AllerA(r2));
            t->Delete();
        }
        QVERIFY(cliquerFilm(f->grilleFilms, "R2"));
        QCOMPARE(b.messages(), QString::fromUtf8("Pas de Film d'enregisté"));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R1", ""}));
        QVERIFY(cliquerFilm(f->grilleFilms, "R1") && choisirMenu(f, "Autre") && choisirMenu(f, "Caztegori"));
        QVERIFY(f->listeChoixCategorie->isVisibleTo(f) && !f->grilleFilms->isVisibleTo(f));
        QVERIFY(choisirMenu(f, "Retour") && !b.fenetre<FrmSupprimer>());
    }
};

QTEST_MAIN(TestSupprimer)
#include "tst_supprimer.moc"
