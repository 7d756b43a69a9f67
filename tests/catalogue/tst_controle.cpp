// The physical check ("Depos/Retrai" > "Control Physique des Films"): the state of the clicked
// film alone is written; an empty or over-long state is refused; empty fields show empty.
#include "Banc.h"
#include "Films.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/FrmControle.h"
#include "common/Contexte.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

// Two films of one title, the second with empty fields; the window opened on them.
struct Controle {
    Banc b;
    qint64 premier = -1, second = -1;
    FrmControle* f = nullptr;
    Controle() {
        b.creerBase();
        FrmDepart* d = b.connecter();
        premier = ajouterFilm("R1", "BRAZIL");
        second = ajouterFilm("R2", "BRAZIL",
                             {{"Categorie", QVariant()}, {"Etat", QVariant()}, {"Date", QVariant()}});
        {
            auto t = ctx().base().ouvrirTable("Etat");
            t->AddNew();
            t->SetValue("NomEtat", QString(30, 'L'));
            t->Update();
        }
        if (d && choisirMenu(d, "Control")) f = b.fenetre<FrmControle>();
    }
};

} // namespace

class TestControle : public QObject {
    Q_OBJECT
  private slots:
    void etat_data() {
        QTest::addColumn<QString>("choisi"); // an entry of the list, or empty
        QTest::addColumn<QString>("tape");   // or a text typed over it
        QTest::addColumn<QString>("stocke"); // the second film's state afterwards
        QTest::newRow("de la liste") << "A REMPLACER"
                                     << ""
                                     << "A REMPLACER";
        QTest::newRow("la plus longue de la liste") << QString(30, 'L') << "" << QString(30, 'L');
        QTest::newRow("tapé") << ""
                              << "rayé"
                              << "rayé";
        QTest::newRow("vide") << ""
                              << ""
                              << "";
        QTest::newRow("blancs") << ""
                                << "   "
                                << "";
        QTest::newRow("trop long") << "" << QString(31, 'X') << "";
    }
    void etat() {
        QFETCH(QString, choisi);
        QFETCH(QString, tape);
        QFETCH(QString, stocke);
        Controle c;
        FrmControle* f = c.f;
        QVERIFY(f && !entreeDisponible(f, "Enregitre"));
        QCOMPARE(colonneGrille(f->grilleFilms, 3), QStringList({"BON", "", ""}));
        QVERIFY(cliquerFilm(f->grilleFilms, "R1") && choisirMenu(f, "Autre"));
        QVERIFY(cliquerFilm(f->grilleFilms, "R2"));
        QVERIFY(f->fiche->isVisibleTo(f) && entreeDisponible(f, "Enregitre"));
        // The clicked film, its empty fields shown empty (not the film shown before), no message.
        QCOMPARE(f->fiche->caseReference->text(), QString("R2"));
        QCOMPARE(f->fiche->caseCategorie->text() + f->fiche->listeEtats->currentText() +
                     f->fiche->caseDate->text(),
                 QString());
        QCOMPARE(f->fiche->listeEtats->count(), 5);
        QCOMPARE(c.b.messages(), QString());
        if (!choisi.isEmpty()) QVERIFY(choisirDansListe(f->fiche->listeEtats, choisi));
        if (!tape.isEmpty()) taper(f->fiche->listeEtats->lineEdit(), tape);
        // Typed on the card but not saved: title, category, copies.
        taper(f->fiche->caseTitre, "X");
        taper(f->fiche->caseCategorie, "WESTERN");
        f->fiche->caseExemplaires->setText("pas un nombre");
        QVERIFY(choisirMenu(f, "Enregitre"));
        const bool refuse = stocke.isEmpty();
        QCOMPARE(c.b.messages().isEmpty(), !refuse);
        QCOMPARE(f->fiche->isVisibleTo(f), refuse);
        QCOMPARE(champFilm(c.second, "Etat"), stocke);
        QCOMPARE(champFilm(c.second, "Nom") + champFilm(c.second, "Categorie") +
                     champFilm(c.second, "Sortie"),
                 QString("BRAZIL2"));
        QCOMPARE(champFilm(c.premier, "Etat"), QString("BON"));
        if (!refuse) QCOMPARE(colonneGrille(f->grilleFilms, 3), QStringList({"BON", stocke, ""}));
    }

    void clicsSansFilm() {
        Controle c;
        FrmControle* f = c.f;
        QVERIFY(f);
        f->grilleFilms->cliquer(0, 2);
        f->grilleFilms->cliquer(3, 2);
        QVERIFY(!f->fiche->isVisibleTo(f) && f->grilleFilms->isVisibleTo(f) && !entreeDisponible(f, "Autre"));
        QVERIFY(cliquerFilm(f->grilleFilms, "R1") && choisirMenu(f, "Autre"));
        QVERIFY(f->grilleFilms->isVisibleTo(f) && !entreeDisponible(f, "Enregitre"));
        QCOMPARE(c.b.messages(), QString());
    }
};

QTEST_MAIN(TestControle)
#include "tst_controle.moc"
