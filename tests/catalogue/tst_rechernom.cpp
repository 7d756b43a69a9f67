// The search by title ("Film" > "Recherche par Nom"): what a typed text finds (taken as text, never
// as a pattern), the count, the grid's height, and the card with its plain boxes.
#include "Banc.h"
#include "Films.h"
#include "Tables.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/FrmRecherNom.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

FrmRecherNom* ouvrir(Banc& b, const std::function<void()>& films) {
    b.creerBase();
    FrmDepart* d = b.connecter();
    films();
    return d && choisirMenu(d, "RechNom") ? b.fenetre<FrmRecherNom>() : nullptr;
}

void titres(const QStringList& noms) {
    for (int i = 0; i < noms.size(); ++i)
        ajouterFilm(QString("R%1").arg(i + 1), noms[i] == "<nul>" ? QVariant() : QVariant(noms[i]));
}

} // namespace

class TestRecherNom : public QObject {
    Q_OBJECT
  private slots:
    void recherche_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("trouves"); // identifiers in table order; empty: none
        QTest::newRow("pour cent") << "%"
                                   << "R1";
        QTest::newRow("apostrophe") << "'"
                                    << "R2";
        QTest::newRow("souligné") << "_"
                                  << "R3";
        QTest::newRow("crochet") << "["
                                 << "R4";
        QTest::newRow("minuscules, début, milieu, fin") << " alien"
                                                        << "R5 R6 R7";
        QTest::newRow("vide") << "  "
                              << "R1 R2 R3 R4 R5 R6 R7 R9 R10";
        // Letters whose capital Windows-1252 lacks are looked for as they are stored.
        QTest::newRow("ß") << QString::fromUtf8("straße") << "R9";
        QTest::newRow("µ") << QString::fromUtf8("µ-z") << "R10";
        QTest::newRow("rien") << "zz"
                              << "";
    }
    void recherche() {
        QFETCH(QString, texte);
        QFETCH(QString, trouves);
        Banc b;
        FrmRecherNom* f = ouvrir(b, [] {
            titres({"100% COTON", "L'AVION", "A_B", "[REC]", "ALIEN", "LES ALIENS", "FIN ALIEN ", "<nul>",
                    QString::fromUtf8("STRAßE"), QString::fromUtf8("µ-ZONE")});
        });
        QVERIFY(f && f->caseRecherche->isVisibleTo(f) && !f->grilleFilms->isVisibleTo(f));
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 10"));
        taper(f->caseRecherche, texte, true);
        if (trouves.isEmpty()) {
            QCOMPARE(b.messages(), "PAS DE " + texte.trimmed().toUpper());
            QVERIFY(f->caseRecherche->isVisibleTo(f) && !f->grilleFilms->isVisibleTo(f));
            QCOMPARE(f->caseRecherche->text(), texte.toUpper());
            return;
        }
        QVERIFY(!f->caseRecherche->isVisibleTo(f) && f->grilleFilms->isVisibleTo(f));
        QCOMPARE(colonneGrille(f->grilleFilms, 1), trouves.split(' ') << "");
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 10"));
        QCOMPARE(b.messages(), QString());
    }

    void hauteurDeLaGrille_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("hauteur");
        QTest::newRow("1") << "B" << 930.0;
        QTest::newRow("17") << "A" << 7010.0;
        QTest::newRow("18") << "" << 7068.0;
    }
    void hauteurDeLaGrille() {
        QFETCH(QString, texte);
        QFETCH(double, hauteur);
        Banc b;
        b.env().ecran = {15360, 11520}; // 1024 x 768
        FrmRecherNom* f = ouvrir(b, [] {
            QStringList noms{"B"};
            for (int i = 1; i <= 17; ++i)
                noms << QString("A%1").arg(i);
            titres(noms);
        });
        taper(f->caseRecherche, texte, true);
        QCOMPARE(f->grilleFilms->Height(), hauteur);
        QCOMPARE(controlesMalVus(f), QStringList());
    }

    void ficheEnBoites() {
        Banc b;
        FrmRecherNom* f = ouvrir(b, [] { titres({"ALIEN", "BRAZIL"}); });
        taper(f->caseRecherche, "BRA", true);
        QVERIFY(!entreeDisponible(f, "Autre"));
        QVERIFY(cliquerFilm(f->grilleFilms, "R2"));
        FicheFilm* c = f->fiche;
        QVERIFY(c->isVisibleTo(f) && entreeDisponible(f, "Enregitre") && entreeDisponible(f, "SaiAffiche"));
        QVERIFY(!f->menu("Effaimage"));
        QVERIFY(c->caseCategorie->isVisibleTo(f) && !c->listeCategories->isVisibleTo(f) &&
                !c->listeEtats->isVisibleTo(f));
        QCOMPARE(c->caseCategorie->text() + "|" + c->caseEtat->text() + "|" + c->caseSpecialite->text(),
                 QString("ACTION|BON|POUR TOUS"));
        c->caseCategorie->setText("policier maison");
        c->caseEtat->setText("rayé");
        c->caseSpecialite->setText("");
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(b.messages(), QString());
        const qint64 cle = 2;
        QCOMPARE(champFilm(cle, "Categorie") + "|" + champFilm(cle, "Etat") + "|" +
                     champFilm(cle, "Specialiter"),
                 QString("policier maison|rayé|"));
        // Back to the search box, its text kept; "Autre Film" empties it.
        QVERIFY(f->caseRecherche->isVisibleTo(f) && f->caseRecherche->text() == "BRA");
        // A text in small letters is looked for in capitals.
        f->caseRecherche->setText("li");
        taper(f->caseRecherche, "", true);
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"R1", ""}));
        QVERIFY(cliquerFilm(f->grilleFilms, "R1") && choisirMenu(f, "Autre"));
        QVERIFY(f->caseRecherche->isVisibleTo(f) && f->caseRecherche->text().isEmpty());
        QCOMPARE(champFilm(1, "Nom"), QString("ALIEN"));
    }

    // The card stores a title in the capitals its box shows.
    void titreDeLaFiche() {
        Banc b;
        FrmRecherNom* f = ouvrir(b, [] { titres({"ALIEN"}); });
        taper(f->caseRecherche, "", true);
        QVERIFY(cliquerFilm(f->grilleFilms, "R1"));
        f->fiche->caseTitre->clear();
        taper(f->fiche->caseTitre, QString::fromUtf8("µ-zone straße "));
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(b.messages(), QString());
        QCOMPARE(champFilm(1, "Nom"), QString::fromUtf8("µ-ZONE STRAßE"));
    }

    // What the card shows and saves of texts written by another tool: only a field the operator
    // changed is written.
    void texteStockeGarde() {
        Banc b;
        const QMap<QString, QVariant> stocke = {{"Nom", "alien "},
                                                {"Sortie", " 3"},
                                                {"Categorie", QString::fromUtf8("ŁÓDŹ")},
                                                {"Specialiter", "a\tb"}};
        qint64 cle = -1;
        FrmRecherNom* f = ouvrir(b, [&] {
            cle = ajouterFilm("R1", stocke["Nom"], stocke);
            ecrireParUnAutreOutil("CD", "Categorie", stocke["Categorie"].toString());
        });
        taper(f->caseRecherche, "", true);
        QVERIFY(cliquerFilm(f->grilleFilms, "R1"));
        QCOMPARE(f->fiche->caseCategorie->text() + "|" + f->fiche->caseSpecialite->text(),
                 stocke["Categorie"].toString() + "|" + stocke["Specialiter"].toString());
        f->fiche->caseDate->clear();
        taper(f->fiche->caseDate, "04/05/2006");
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(b.messages(), QString());
        for (auto it = stocke.begin(); it != stocke.end(); ++it)
            QCOMPARE(champFilm(cle, qPrintable(it.key())), it.value().toString());
        QCOMPARE(champFilm(cle, "Date"), QString("04/05/2006"));
    }
};

QTEST_MAIN(TestRecherNom)
#include "tst_rechernom.moc"
