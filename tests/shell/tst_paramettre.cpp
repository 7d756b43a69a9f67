// The settings record window, opened from the main menu's "Paramettre" and typed into key by key.
#include "Banc.h"

#include "common/Contexte.h"
#include "platform/Database.h"
#include "platform/RegleSaisie.h"
#include "shell/FrmDepart.h"
#include "shell/FrmParamettre.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

const QStringList kChamps = {"Nom",   "Prenom", "Adresse1",  "Adresse2", "Code",
                             "Ville", "Tele",   "DelaiMini", "DelaiMaxi"};

FrmParamettre* ouvrir(Banc& b) {
    FrmDepart* d = b.connecter();
    if (!d || !choisirMenu(d, "Para")) return nullptr;
    return b.fenetre<FrmParamettre>();
}

// The operator selects the whole box and rubs it out.
void effacer(QLineEdit* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

void retaper(QLineEdit* box, const QString& texte) {
    effacer(box);
    taper(box, texte);
}

QStringList enregistrement(const QString& chemin) {
    auto db = Database::ouvrir(chemin);
    auto rs = db->ouvrirTable("Para");
    QStringList res;
    for (const QString& c : kChamps)
        res << rs->Texte(c);
    return res;
}

QStringList boites(FrmParamettre* p) {
    QStringList res;
    for (QLineEdit* t : p->caseParametre)
        res << t->text();
    return res;
}

} // namespace

class TestParamettre : public QObject {
    Q_OBJECT
  private slots:
    void allerRetour();
    void majuscules_data();
    void majuscules();
    void majusculesParMethodeDeSaisie();
    void lignesAdresseVides();
    void retourNEcritRien();
    void largeurDesBoites();
    void delaisIllisibles_data();
    void delaisIllisibles();
    void collageDansUneBoite();
};

void TestParamettre::allerRetour() {
    Banc b;
    const QString chemin = b.creerBase();
    FrmParamettre* p = ouvrir(b);
    QVERIFY(p);
    QCOMPARE(boites(p), (QStringList{"Lunvel", "Drune", "1 Place Vordan", "   ", "99999", "Vermac",
                                     "00 00 00 00 00", "15", "25"}));

    // Delays that begin with a number are taken as typed; names keep their blanks.
    const QStringList tapes = {" martin ",       "jean-luc", "3 rue des lilas",
                               "bât. b",         "75a01",    "paris",
                               "01 23 45 67 89", "10 j",     "2x"};
    const QStringList attendus = {" MARTIN ",       "JEAN-LUC", "3 RUE DES LILAS",
                                  "BÂT. B",         "75a01",    "PARIS",
                                  "01 23 45 67 89", "10 j",     "2x"};
    for (int i = 0; i < 9; ++i)
        retaper(p->caseParametre[i], tapes[i]);
    QCOMPARE(boites(p), attendus);
    QVERIFY(choisirMenu(p, "Enregis"));
    QVERIFY(b.env().messages.isEmpty());
    QVERIFY(!b.fenetre<FrmParamettre>());
    QCOMPARE(enregistrement(chemin), attendus);

    p = ouvrir(b);
    QVERIFY(p);
    QCOMPARE(boites(p), attendus);
}

void TestParamettre::majuscules_data() {
    QTest::addColumn<int>("boite");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("montre");
    QTest::newRow("Nom") << 0 << "dupont"
                         << "DUPONT";
    QTest::newRow("Prenom") << 1 << "élodie"
                            << "ÉLODIE";
    QTest::newRow("Adresse 1") << 2 << "12 rue de l'église"
                               << "12 RUE DE L'ÉGLISE";
    QTest::newRow("Adresse 2") << 3 << "bâtiment ç"
                               << "BÂTIMENT Ç";
    QTest::newRow("Code Postal") << 4 << "ab1c"
                                 << "ab1c";
    QTest::newRow("Ville") << 5 << "évry-sur-oise"
                           << "ÉVRY-SUR-OISE";
    QTest::newRow("Ville, accents") << 5 << "àâäéèêëîïôöùûüÿæœ"
                                    << "ÀÂÄÉÈÊËÎÏÔÖÙÛÜŸÆŒ";
    QTest::newRow("Telephone") << 6 << "poste 12"
                               << "poste 12";
    QTest::newRow("Delai Mini") << 7 << "9 abc"
                                << "9 abc";
    QTest::newRow("Delai Maxi") << 8 << "1x"
                                << "1x";
}

void TestParamettre::majuscules() {
    QFETCH(int, boite);
    QFETCH(QString, tape);
    QFETCH(QString, montre);
    Banc b;
    const QString chemin = b.creerBase();
    FrmParamettre* p = ouvrir(b);
    QVERIFY(p);
    retaper(p->caseParametre[boite], tape);
    QCOMPARE(p->caseParametre[boite]->text(), montre);
    QVERIFY(choisirMenu(p, "Enregis"));
    QCOMPARE(enregistrement(chemin).at(boite), montre);
}

void TestParamettre::majusculesParMethodeDeSaisie() {
    // A dead key or a compose sequence delivers its letter through the input method, not as a key.
    Banc b;
    b.creerBase();
    FrmParamettre* p = ouvrir(b);
    QVERIFY(p);
    QLineEdit* ville = p->caseParametre[5];
    effacer(ville);
    QInputMethodEvent e;
    e.setCommitString(QString("\u00E9vry"));
    QApplication::sendEvent(ville, &e);
    QCOMPARE(ville->text(), QString("\u00C9VRY"));

    QLineEdit* code = p->caseParametre[4];
    effacer(code);
    QInputMethodEvent f;
    f.setCommitString(QString("\u00E9a"));
    QApplication::sendEvent(code, &f);
    QCOMPARE(code->text(), QString("\u00E9a"));
}

void TestParamettre::lignesAdresseVides() {
    Banc b;
    const QString chemin = b.creerBase();
    FrmParamettre* p = ouvrir(b);
    QVERIFY(p);
    retaper(p->caseParametre[2], "    ");
    effacer(p->caseParametre[3]);
    QVERIFY(choisirMenu(p, "Enregis"));
    QStringList r = enregistrement(chemin);
    QCOMPARE(r.at(2), QString("  "));
    QCOMPARE(r.at(3), QString("  "));

    p = ouvrir(b);
    QVERIFY(p);
    QCOMPARE(p->caseParametre[2]->text(), QString("  "));
    QCOMPARE(p->caseParametre[3]->text(), QString("  "));
    // Saved again untouched, the two blanks stay two blanks.
    QVERIFY(choisirMenu(p, "Enregis"));
    r = enregistrement(chemin);
    QCOMPARE(r.at(2), QString("  "));
    QCOMPARE(r.at(3), QString("  "));
}

void TestParamettre::retourNEcritRien() {
    Banc b;
    const QString chemin = b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(d);
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    f.close();
    QVERIFY(choisirMenu(d, "Para"));
    FrmParamettre* p = b.fenetre<FrmParamettre>();
    QVERIFY(p);
    for (QLineEdit* t : p->caseParametre)
        retaper(t, "99");
    QVERIFY(choisirMenu(p, "retour"));
    QVERIFY(!b.fenetre<FrmParamettre>());
    QVERIFY(b.fenetre<FrmDepart>());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), octets);
    QVERIFY(b.env().messages.isEmpty());
}

void TestParamettre::largeurDesBoites() {
    Banc b;
    const QString chemin = b.creerBase();
    FrmParamettre* p = ouvrir(b);
    QVERIFY(p);
    const QList<int> largeurs = {40, 35, 40, 40, 5, 40, 15, 5, 5};
    QStringList attendus;
    for (int i = 0; i < 9; ++i) {
        retaper(p->caseParametre[i], QString(70, '7'));
        QCOMPARE(p->caseParametre[i]->text().size(), largeurs[i]);
        attendus << QString(largeurs[i], '7');
    }
    QVERIFY(choisirMenu(p, "Enregis"));
    QVERIFY(b.env().messages.isEmpty());
    QVERIFY(!b.fenetre<FrmParamettre>());
    QCOMPARE(enregistrement(chemin), attendus);

    // Upper-cased letters are held to the same width.
    p = ouvrir(b);
    QVERIFY(p);
    retaper(p->caseParametre[1], QString(50, QChar(0xE9)));
    QCOMPARE(p->caseParametre[1]->text(), QString(35, QChar(0xC9)));
}

void TestParamettre::delaisIllisibles_data() {
    QTest::addColumn<QString>("mini");
    QTest::addColumn<QString>("maxi");
    QTest::addColumn<QString>("boite");
    QTest::newRow("mini en lettres") << "abc"
                                     << "25"
                                     << "Delai Mini";
    QTest::newRow("maxi vide") << "15"
                               << ""
                               << "Delai Maxi";
    QTest::newRow("maxi en blancs") << "15"
                                    << "   "
                                    << "Delai Maxi";
    QTest::newRow("mini sans chiffre devant") << "j15"
                                              << "x"
                                              << "Delai Mini";
}

void TestParamettre::delaisIllisibles() {
    QFETCH(QString, mini);
    QFETCH(QString, maxi);
    QFETCH(QString, boite);
    Banc b;
    const QString chemin = b.creerBase();
    const QStringList avant = enregistrement(chemin);
    FrmParamettre* p = ouvrir(b);
    QVERIFY(p);
    retaper(p->caseParametre[0], "autre club");
    retaper(p->caseParametre[7], mini);
    retaper(p->caseParametre[8], maxi);
    QVERIFY(choisirMenu(p, "Enregis"));
    // Refused with the box named; nothing written, the window stays for a correction.
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY2(b.env().messages[0].texte.contains(boite), qPrintable(b.env().messages[0].texte));
    QCOMPARE(b.fenetre<FrmParamettre>(), p);
    QCOMPARE(enregistrement(chemin), avant);
}

void TestParamettre::collageDansUneBoite() {
    Banc b;
    const QString chemin = b.creerBase();
    FrmParamettre* p = ouvrir(b);
    QVERIFY(p);
    effacer(p->caseParametre[5]);
    // Refused whole for its emoji; the line ends alone are dropped.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("LYON \xF0\x9F\x8F\xA0"));
    QTest::keySequence(p->caseParametre[5], QKeySequence::Paste);
    QCOMPARE(b.messages(), AvisCaractereRefuse());
    QGuiApplication::clipboard()->setText(QString::fromUtf8("LYON\n\xE2\x80\xA8"
                                                            "CEDEX "));
    QTest::keySequence(p->caseParametre[5], QKeySequence::Paste);
    QVERIFY(choisirMenu(p, "Enregis"));
    QCOMPARE(enregistrement(chemin)[5], QString("LYONCEDEX "));
    QCOMPARE(b.messages(), QString());
}

QTEST_MAIN(TestParamettre)
#include "tst_paramettre.moc"
