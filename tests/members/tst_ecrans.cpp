// What the operator sees of the members' windows on the design screen (800 x 600): in every state,
// each control lies inside its window (or its frame), so the last rows of a long list can be
// scrolled into view and clicked, and no caption is cut short.
#include "Banc.h"
#include "Tables.h"

#include "common/Contexte.h"
#include "members/FicheAbonne.h"
#include "members/FrmCherAbon.h"
#include "members/FrmEntreeSortie.h"
#include "members/FrmLettre.h"
#include "members/FrmLettreRappel.h"
#include "members/FrmNouvAbon.h"
#include "members/FrmSuppAbon.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

class TestEcrans : public QObject {
    Q_OBJECT
  private slots:
    void fenetresEntieres();
    void rechercheEtSuppression_data();
    void rechercheEtSuppression();
};

void TestEcrans::fenetresEntieres() {
    Banc b;
    b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(d);
    ajouterLigne("CD", {{"MatriculeCD", "001A08U2026"}, {"Nom", "ALIEN"}, {"Sortie", "1"}});
    for (int i = 1; i <= 60; ++i) {
        QMap<QString, QString> m = {{"MatriculeAbon", QStringLiteral("%1U2026").arg(i, 3, 10, QChar('0'))},
                                    {"NomAbon", QStringLiteral("MEMBRE %1").arg(i)}};
        for (const char* c : {"DateRest", "DateEmp", "MatriCD", "NomCD", "Averti"})
            for (int k = 1; k <= 3; ++k)
                m[c + QString::number(k)] = "0";
        if (i == 60) m.insert({{"DateRest1", "01/11/2026"}, {"MatriCD1", "X"}, {"NomCD1", "BRAZIL"}});
        ajouterLigne("Abonne", m);
    }

    QVERIFY(choisirMenu(d, "Entre"));
    auto* pret = b.fenetre<FrmEntreeSortie>();
    QVERIFY(pret);
    QCOMPARE(controlesMalVus(pret), QStringList());
    // The last member, scrolled into view, is where the operator can click it.
    MSFlexGrid* g = pret->grilleAbonnes;
    g->scrollToBottom();
    const QRect derniere = g->visualRect(g->model()->index(g->Rows() - 2, 1));
    QVERIFY(g->viewport()->rect().contains(derniere));
    QVERIFY(pret->rect().contains(QRect(g->viewport()->mapTo(pret, derniere.topLeft()), derniere.size())));
    g->cliquer(g->Rows() - 2, 1);
    QCOMPARE(controlesMalVus(pret), QStringList());
    cliquer(pret->boutonPreter[1]);
    QCOMPARE(controlesMalVus(pret), QStringList());
    QVERIFY(choisirMenu(pret, "Retour") && choisirMenu(pret, "Menu"));

    QVERIFY(choisirMenu(d, "NouvAbon"));
    QCOMPARE(controlesMalVus(b.fenetre<FrmNouvAbon>()), QStringList());
    QVERIFY(choisirMenu(b.fenetre<FrmNouvAbon>(), "Retour"));

    QVERIFY(choisirMenu(d, "Rappel"));
    auto* rappel = b.fenetre<FrmLettreRappel>();
    QVERIFY(rappel && rappel->grilleRetardataires->Visible());
    QCOMPARE(controlesMalVus(rappel), QStringList());
    QVERIFY(choisirMenu(rappel, "Retour"));

    QVERIFY(choisirMenu(d, "Lettre"));
    auto* lettre = b.fenetre<FrmLettre>();
    QVERIFY(lettre);
    for (const char* mode : {"Creer", "Charger", "Efface", "Code", "Ajout", "Supp"}) {
        QVERIFY(choisirMenu(lettre, mode));
        QVERIFY2(controlesMalVus(lettre).isEmpty(),
                 qPrintable(mode + (": " + controlesMalVus(lettre).join(", "))));
        QVERIFY(choisirMenu(lettre, "Autre"));
    }
}

void TestEcrans::rechercheEtSuppression_data() {
    QTest::addColumn<QSize>("ecran");
    QTest::newRow("800 x 600") << QSize(800, 600);
    QTest::newRow("1024 x 768") << QSize(1024, 768);
}

// On both screens, in the list and in the card, the two member windows show every control whole
// and the last member of a long list can be scrolled to and clicked. Their grid and the lending
// window's differ in the first address column and in the font.
void TestEcrans::rechercheEtSuppression() {
    QFETCH(QSize, ecran);
    Banc b;
    b.env().ecran = ecran * 15;
    b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(d);
    for (int i = 1; i <= 60; ++i)
        ajouterAbonne(QStringLiteral("%1U2026").arg(i, 3, 10, QChar('0')),
                      QStringLiteral("MEMBRE %1").arg(i));
    const int zoom = ctx().PourcentZoom;
    for (const char* entree : {"RechAbon", "SuppAbon"}) {
        QVERIFY(choisirMenu(d, entree));
        auto* f = qobject_cast<ListeAbonnes*>(b.fenetres().value(b.fenetres().size() - 1));
        QVERIFY(f);
        QCOMPARE(controlesMalVus(f), QStringList());
        MSFlexGrid* g = f->grilleAbonnes;
        QCOMPARE(g->ColWidth(4), qRound(1400 * zoom / 100.0));
        QCOMPARE(g->FontSize(), double(ctx().TaillePolice));
        g->scrollToBottom();
        const QRect derniere = g->visualRect(g->model()->index(g->Rows() - 2, 1));
        QVERIFY(g->viewport()->rect().contains(derniere));
        QVERIFY(f->rect().contains(QRect(g->viewport()->mapTo(f, derniere.topLeft()), derniere.size())));
        g->cliquer(g->Rows() - 2, 1);
        QCOMPARE(f->fiche->caseMatricule->text(), QString("060U2026"));
        QCOMPARE(controlesMalVus(f), QStringList());
        QVERIFY(choisirMenu(f, "Retour"));
    }
    QVERIFY(choisirMenu(d, "Entre"));
    QCOMPARE(b.fenetre<FrmEntreeSortie>()->grilleAbonnes->ColWidth(4), qRound(2400 * zoom / 100.0));
}

QTEST_MAIN(TestEcrans)
#include "tst_ecrans.moc"
