// What the operator sees of the shell's own windows on an 800 x 600 and a 1024 x 768 screen, in
// each of their states: every control inside its window, no caption cut short.
#include "Banc.h"

#include "shell/FrmDepart.h"
#include "shell/FrmMotDePasse.h"
#include "shell/FrmSauvegarde.h"
#include "shell/FrmSuppBase.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

class TestEcransShell : public QObject {
    Q_OBJECT
  private slots:
    void fenetresEntieres_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::newRow("800 x 600") << QSize(12000, 9000);
        QTest::newRow("1024 x 768") << QSize(15360, 11520);
    }
    void fenetresEntieres() {
        QFETCH(QSize, ecran);
        Banc b;
        b.env().ecran = ecran;
        b.creerBase();
        FrmDepart* d = b.connecter();
        QVERIFY(d && choisirMenu(d, "Pass"));
        auto* mdp = b.fenetre<FrmMotDePasse>();
        QVERIFY(mdp);
        taper(mdp->caseAncien, "VIDORA", true);
        taper(mdp->caseNouveau, "VIDORA", true);
        QCOMPARE(controlesMalVus(mdp).join('|'), QString());
        taper(mdp->caseRepetition, "VIDORA", true);
        QCOMPARE(controlesMalVus(mdp).join('|'), QString());
        mdp->revenir();
        Banc::traiterEvenements();

        d = b.connecter();
        QVERIFY(d && choisirMenu(d, "Sauve"));
        auto* sauve = b.fenetre<FrmSauvegarde>();
        QVERIFY(sauve);
        QCOMPARE(controlesMalVus(sauve).join('|'), QString());
        sauve->zoneProgression->show(); // as during a copy
        sauve->bandeauOperation->show();
        QCOMPARE(controlesMalVus(sauve).join('|'), QString());
        QVERIFY(choisirMenu(sauve, "Qite"));

        QVERIFY(choisirMenu(d, "SuppBase"));
        auto* supp = b.fenetre<FrmSuppBase>();
        QVERIFY(supp);
        QCOMPARE(controlesMalVus(supp).join('|'), QString());
        b.env().reponses = {true};
        QTest::mouseClick(supp->listeBases->viewport(), Qt::LeftButton, {},
                          supp->listeBases->visualItemRect(supp->listeBases->item(0)).center());
        QVERIFY(supp->caseMotDePasse->isVisible());
        QCOMPARE(controlesMalVus(supp).join('|'), QString());
    }
};

QTEST_MAIN(TestEcransShell)
#include "tst_ecrans.moc"
