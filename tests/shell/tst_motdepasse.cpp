// The password change, typed key by key from the main menu's "Changer de Mot de Passe".
#include "Banc.h"

#include "common/Contexte.h"
#include "common/MotDePasse.h"
#include "shell/FrmDepart.h"
#include "shell/FrmMotDePasse.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

FrmMotDePasse* ouvrir(Banc& b) {
    FrmDepart* d = b.connecter();
    if (!d || !choisirMenu(d, "Pass")) return nullptr;
    return b.fenetre<FrmMotDePasse>();
}

QString motStocke(const QString& chemin) {
    auto db = Database::ouvrir(chemin);
    return db->ouvrirTable("Passe")->Texte("Mot");
}

// Counts the paintings of a widget.
struct Peintures : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n;
        return false;
    }
};

} // namespace

class TestMotDePasse : public QObject {
    Q_OBJECT
  private slots:
    void saisies_data();
    void saisies();
    void confirmationSansBloquer();
};

void TestMotDePasse::saisies_data() {
    QTest::addColumn<QString>("ancien");
    QTest::addColumn<QString>("nouveau");
    QTest::addColumn<QString>("repete");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stocke"); // the password in clear that the database holds afterwards

    QTest::newRow("changé") << " VIDORA "
                            << "  Secret9 "
                            << "Secret9"
                            << ""
                            << "Secret9";
    QTest::newRow("ancien faux") << "vidora"
                                 << ""
                                 << ""
                                 << "MAUVAIS MOT DE PASSE"
                                 << "VIDORA";
    QTest::newRow("répétition en autre casse") << "VIDORA"
                                               << "abc"
                                               << "ABC"
                                               << " Mot de Passe Differant"
                                               << "VIDORA";
    QTest::newRow("sans forme stockée") << "VIDORA"
                                        << "café"
                                        << "café"
                                        << "CE MOT DE PASSE NE PEUT PAS"
                                        << "VIDORA";
    // Scrambled, n, u, i, t and N, U, I, T are lower and upper case of one another.
    QTest::newRow("répétition en autre casse, paires brouillées") << "VIDORA"
                                                                  << "nuit"
                                                                  << "NUIT"
                                                                  << " Mot de Passe Differant"
                                                                  << "VIDORA";
    QTest::newRow("vide") << "VIDORA"
                          << "  "
                          << ""
                          << "LE NOUVEAU MOT DE PASSE EST VIDE"
                          << "VIDORA";
    // "|" separates new passwords typed one after the other in the same box.
    QTest::newRow("refusé après un gardé") << "VIDORA"
                                           << "ABC|café"
                                           << "ABC"
                                           << "CE MOT DE PASSE NE PEUT PAS"
                                           << "VIDORA";
    QTest::newRow("trop long") << "VIDORA" << QString(21, 'A') << QString(21, 'A') << "TROP LONG"
                               << "VIDORA";
    QTest::newRow("vingt caractères")
        << "VIDORA" << QString(20, 'A') << QString(20, 'A') << "" << QString(20, 'A');
}

void TestMotDePasse::saisies() {
    QFETCH(QString, ancien);
    QFETCH(QString, nouveau);
    QFETCH(QString, repete);
    QFETCH(QString, message);
    QFETCH(QString, stocke);
    Banc b;
    const QString chemin = b.creerBase();
    FrmMotDePasse* p = ouvrir(b);
    QVERIFY(p);
    QVERIFY(!b.fenetre<FrmDepart>());
    QVERIFY(!p->caseNouveau->isVisible());
    QVERIFY(!entreeDisponible(p, "Retour"));

    taper(p->caseAncien, ancien, true);
    if (p->caseNouveau->isVisible()) {
        for (const QString& n : nouveau.split('|')) {
            p->caseNouveau->clear();
            taper(p->caseNouveau, n, true);
        }
        if (p->caseRepetition->isVisible()) taper(p->caseRepetition, repete, true);
    }
    const QString vus = b.messages();
    if (message.isEmpty())
        QCOMPARE(vus, QString());
    else
        QVERIFY2(vus.contains(message), qPrintable(vus));
    QCOMPARE(motStocke(chemin), *BrouillerMotDePasse(stocke));
    if (!message.isEmpty()) {
        // A refusal empties the step's box, hides the repeat and waits in the box refused.
        QLineEdit* etape = p->caseNouveau->isVisible() ? p->caseNouveau : p->caseAncien;
        QCOMPARE(etape->text(), QString());
        QCOMPARE(QApplication::focusWidget(), etape);
        QVERIFY(!p->caseRepetition->isVisible());
    }
    QCOMPARE(p->bandeauConfirmation->isVisible(), message.isEmpty());
    QCOMPARE(p->minuterie->isActive(), message.isEmpty());
}

void TestMotDePasse::confirmationSansBloquer() {
    Banc b;
    b.creerBase();
    FrmMotDePasse* p = ouvrir(b);
    QVERIFY(p);
    taper(p->caseAncien, "VIDORA", true);
    taper(p->caseNouveau, "NEUF", true);

    // Enter returns at once; the message loop goes on running and drawing while the confirmation stays.
    QElapsedTimer t;
    t.start();
    taper(p->caseRepetition, "NEUF", true);
    QVERIFY(t.elapsed() < 1000);
    QVERIFY(p->bandeauConfirmation->isVisible());
    QCOMPARE(p->bandeauConfirmation->text(), QString("NOUVEAU MOT DE PASSE ENREGISTRER"));
    Peintures peintures;
    p->bandeauConfirmation->installEventFilter(&peintures);
    bool autreEvenement = false;
    QTimer::singleShot(200, [&] {
        autreEvenement = true;
        p->bandeauConfirmation->repaint();
    });
    QTRY_VERIFY_WITH_TIMEOUT(autreEvenement, 1000);
    QVERIFY(peintures.n > 0);
    QVERIFY(b.fenetre<FrmMotDePasse>());

    QTRY_VERIFY_WITH_TIMEOUT(!b.fenetre<FrmMotDePasse>(), 7000);
    QVERIFY2(t.elapsed() >= 4500 && t.elapsed() <= 6000, qPrintable(QString::number(t.elapsed())));
    FrmDepart* d = b.fenetre<FrmDepart>();
    QVERIFY(d && d->listeBases->isVisible());

    // The old password is refused, the new one opens the database.
    QVERIFY(b.connecter("CLUB.MDB", "VIDORA"));
    QCOMPARE(b.messages(), QString("MAUVAIS MOT DE PASSE"));
    taper(d->caseMotDePasse, "NEUF", true);
    QCOMPARE(b.messages(), QString());
    QVERIFY(entreeDisponible(d, "Film"));
}

QTEST_MAIN(TestMotDePasse)
#include "tst_motdepasse.moc"
