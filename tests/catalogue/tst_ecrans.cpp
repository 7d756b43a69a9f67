// What the operator sees of the shell's and the film windows on the design screen (800 x 600):
// every control inside its window, no caption cut short.

#include "Banc.h"

#include "Films.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/FrmControle.h"
#include "catalogue/FrmListe.h"
#include "catalogue/FrmRecher.h"
#include "catalogue/FrmRecherNom.h"
#include "catalogue/FrmSaisir.h"
#include "catalogue/FrmSupprimer.h"
#include "common/Contexte.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"
#include "shell/FrmNouvCompte.h"
#include "shell/FrmParamettre.h"

#include <QLineEdit>

#include <QTest>

using namespace vidora;
using namespace vidora_test;

namespace {

// The last film of a grid, scrolled into view, lies inside the window where it can be clicked.
bool derniereLigneVisible(Form* f, MSFlexGrid* g) {
    g->scrollToBottom();
    const QRect derniere = g->visualRect(g->model()->index(g->Rows() - 2, 2));
    return g->viewport()->rect().contains(derniere) &&
           f->rect().contains(QRect(g->viewport()->mapTo(f, derniere.topLeft()), derniere.size()));
}

// Each column's heading and width in twips, column 0 first.
QString colonnes(const MSFlexGrid* g) {
    QStringList c;
    for (int i = 0; i < g->Cols(); ++i)
        c << QStringLiteral("%1 %2").arg(g->textAt(0, i)).arg(g->ColWidth(i));
    return c.join(QLatin1Char('|'));
}

// Every control seen whole in the list state, then on the card of the last film.
template <class F>
void listeEtFiche(Banc& b, FrmDepart* d, const char* entree, const std::function<void(F*)>& lister) {
    QVERIFY(choisirMenu(d, entree));
    F* f = b.fenetre<F>();
    QVERIFY(f);
    QCOMPARE(controlesMalVus(f), QStringList());
    lister(f);
    QCOMPARE(controlesMalVus(f), QStringList());
    QVERIFY(derniereLigneVisible(f, f->grilleFilms));
    f->grilleFilms->cliquer(f->grilleFilms->Rows() - 2, 2);
    QVERIFY(f->fiche->isVisibleTo(f));
    QCOMPARE(controlesMalVus(f), QStringList());
    QVERIFY(choisirMenu(f, "Retour"));
}

} // namespace

class TestEcrans : public QObject {
    Q_OBJECT
  private slots:
    void recherches_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QString>("controle");    // headings and widths of the physical check's grid
        QTest::addColumn<QString>("suppression"); // and of the film deletion's
        QTest::newRow("800 x 600")
            << QSize(12000, 9000) << " 0|REF. 1120|TITRE DU FILM 4640|ETAT 1200|CLASSEMENT 1120"
            << " 0|REF. 1120|TITRE DU FILM 4080|ETAT 560|CATEGORIE 1120|CLASSEMENT 1920";
        QTest::newRow("1024 x 768")
            << QSize(15360, 11520) << " 0|REF. 1428|TITRE DU FILM 5916|ETAT 1530|CLASSEMENT 1428"
            << " 0|REF. 1428|TITRE DU FILM 5202|ETAT 714|CATEGORIE 1428|CLASSEMENT 2448";
    }
    void recherches() {
        QFETCH(QSize, ecran);
        QFETCH(QString, controle);
        QFETCH(QString, suppression);
        Banc b;
        b.env().ecran = ecran;
        b.creerBase();
        FrmDepart* d = b.connecter();
        for (int i = 1; i <= 60; ++i)
            ajouterFilm(QStringLiteral("R%1").arg(i), QStringLiteral("FILM %1").arg(i));
        listeEtFiche<FrmControle>(b, d, "Control",
                                  [&](FrmControle* f) { QCOMPARE(colonnes(f->grilleFilms), controle); });
        listeEtFiche<FrmRecherNom>(b, d, "RechNom",
                                   [](FrmRecherNom* f) { taper(f->caseRecherche, "film", true); });
        listeEtFiche<FrmRecher>(b, d, "recher", [](FrmRecher* f) {
            QVERIFY(choisirDansListe(f->listeChoixCategorie, "ACTION"));
        });
        listeEtFiche<FrmSupprimer>(b, d, "reche", [&](FrmSupprimer* f) {
            QVERIFY(choisirDansListe(f->listeChoixCategorie, "ACTION"));
            QCOMPARE(colonnes(f->grilleFilms), suppression);
        });
    }

    void fenetresEntieres() {
        Banc b;
        b.demarrer(); // no database yet: "CREATION DE BASE"
        auto* creation = b.fenetre<FrmNouvCompte>();
        QVERIFY(creation);
        QCOMPARE(controlesMalVus(creation).join(QLatin1Char('|')), QString());
        taper(creation->caseNom, QStringLiteral("club"), true);
        auto* para = b.fenetre<FrmParamettre>();
        QVERIFY(para);
        QCOMPARE(controlesMalVus(para).join(QLatin1Char('|')), QString());
        QVERIFY(choisirMenu(para, QStringLiteral("Enregis")));

        FrmDepart* d = b.fenetre<FrmDepart>();
        QVERIFY(d);
        QCOMPARE(controlesMalVus(d).join(QLatin1Char('|')), QString());
        b.connecter();
        QCOMPARE(controlesMalVus(d).join(QLatin1Char('|')), QString());

        QVERIFY(choisirMenu(d, QStringLiteral("Saisi")));
        auto* saisie = b.fenetre<FrmSaisir>();
        QVERIFY(saisie);
        QCOMPARE(controlesMalVus(saisie).join(QLatin1Char('|')), QString());
        QVERIFY(choisirMenu(saisie, QStringLiteral("Retour")));

        {
            auto t = ctx().base().ouvrirTable(QStringLiteral("CD"));
            for (int i = 1; i <= 60; ++i) {
                t->AddNew();
                t->SetValue(QStringLiteral("MatriculeCD"),
                            QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')));
                t->SetValue(QStringLiteral("Nom"), QStringLiteral("FILM %1").arg(i, 2, 10, QLatin1Char('0')));
                t->SetValue(QStringLiteral("Sortie"), QStringLiteral("1"));
                t->Update();
            }
        }
        QVERIFY(choisirMenu(d, QStringLiteral("Liste")));
        auto* liste = b.fenetre<FrmListe>();
        QVERIFY(liste);
        QCOMPARE(controlesMalVus(liste).join(QLatin1Char('|')), QString());
        // The last film, scrolled into view, lies inside the window where it can be clicked.
        MSFlexGrid* g = liste->grilleFilms;
        g->scrollToBottom();
        const QRect derniere = g->visualRect(g->model()->index(g->Rows() - 2, 2));
        QVERIFY(g->viewport()->rect().contains(derniere));
        QVERIFY(
            liste->rect().contains(QRect(g->viewport()->mapTo(liste, derniere.topLeft()), derniere.size())));
        g->cliquer(g->Rows() - 2, 2);
        QCOMPARE(controlesMalVus(liste).join(QLatin1Char('|')), QString());
    }
};

QTEST_MAIN(TestEcrans)
#include "tst_ecrans.moc"
