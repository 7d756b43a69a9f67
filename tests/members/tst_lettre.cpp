// The letter templates and the code list, driven as the operator drives "Lettre de Rapel": the
// modes of the menu, the exact bytes of the files written, the names refused, the code list.
#include "Banc.h"
#include "DisquePlein.h"

#include "common/Contexte.h"
#include "members/FrmLettre.h"
#include "shell/FrmDepart.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include <unistd.h>

using namespace vidora;
using namespace vidora_test;

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

QStringList textes(const QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

QStringList modeles(const Banc& b) {
    return QDir(b.dossier()).entryList({"*.let"}, QDir::Files | QDir::Hidden, QDir::Name);
}

// A click on the entry of a list, where the operator sees it.
bool cliquerElement(QListWidget* l, const QString& texte) {
    const auto items = l->findItems(texte, Qt::MatchExactly);
    if (items.isEmpty() || !l->isVisibleTo(l->window())) return false;
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.first()).center());
    Banc::traiterEvenements();
    return true;
}

// Types into the template box: lines separated by Enter, as on a keyboard.
void taperTexte(QPlainTextEdit* box, const QStringList& lignes) {
    for (int i = 0; i < lignes.size(); ++i) {
        if (i > 0) QTest::keyClick(box, Qt::Key_Return);
        taper(box, lignes[i]);
    }
}

FrmLettre* ouvrir(Banc& b) {
    b.creerBase();
    FrmDepart* d = b.connecter();
    if (!d || !choisirMenu(d, "Lettre")) return nullptr;
    return b.fenetre<FrmLettre>();
}

bool visible(QWidget* w) {
    return w->isVisibleTo(w->window());
}

} // namespace

class TestLettre : public QObject {
    Q_OBJECT
  private slots:
    void modesDuMenu();
    void creerPuisChargerSansRienChanger();
    void nomsRefuses();
    void effacer();
    void codes();
    void listeDeCodesIlisible();
    void modelesTropGrands_data();
    void modelesTropGrands();
    void disquePlein_data();
    void disquePlein();
};

void TestLettre::modesDuMenu() {
    Banc b;
    FrmLettre* f = ouvrir(b);
    QVERIFY(f);
    QVERIFY(!b.fenetre<FrmDepart>()->isEnabled());
    const QStringList actions = {"Creer", "Charger", "Efface", "Code", "Ajout", "Supp"};
    for (const QString& n : actions)
        QVERIFY2(entreeDisponible(f, n), qPrintable(n));
    QVERIFY(!entreeDisponible(f, "Enregistre"));
    QVERIFY(!entreeDisponible(f, "Autre"));
    for (QWidget* w : std::initializer_list<QWidget*>{
             f->caseTexteLettre, f->libelleNomLettre, f->caseNomLettre, f->caseCode, f->libelleCode,
             f->listeLettresACharger, f->listeLettresAEffacer, f->listeCodes, f->listeCodesASupprimer})
        QVERIFY(!visible(w));

    // Every mode turns the actions off and leads back through "Autre Lettre".
    for (const QString& mode : actions) {
        QVERIFY2(choisirMenu(f, mode), qPrintable(mode));
        for (const QString& n : actions)
            QVERIFY(!entreeDisponible(f, n));
        QCOMPARE(entreeDisponible(f, "Enregistre"), mode == "Creer");
        QVERIFY(choisirMenu(f, "Autre"));
        QVERIFY(entreeDisponible(f, "Creer"));
    }
    QVERIFY(choisirMenu(f, "Creer"));
    QVERIFY(visible(f->libelleNomLettre) && visible(f->caseNomLettre) && visible(f->caseTexteLettre) &&
            !visible(f->listeLettresACharger));
    QCOMPARE(f->libelleNomLettre->text(), QString("Nom de La Lettre"));
    QVERIFY(choisirMenu(f, "Retour"));
    QVERIFY(!b.fenetre<FrmLettre>());
    QVERIFY(b.fenetre<FrmDepart>()->isEnabled());
    QVERIFY(b.env().messages.isEmpty());
}

void TestLettre::creerPuisChargerSansRienChanger() {
    Banc b;
    FrmLettre* f = ouvrir(b);
    QVERIFY(f);
    QVERIFY(choisirMenu(f, "Creer"));
    taper(f->caseNomLettre, "Rappel");
    taperTexte(f->caseTexteLettre, {"Cher membre,", "le film <<LIVRE>> est attendu à la vidéothèque."});
    QVERIFY(choisirMenu(f, "Enregistre"));
    QCOMPARE(contenu(b.chemin("Rappel.let")),
             QByteArray("Cher membre,\r\nle film <<LIVRE>> est attendu \xE0 la vid\xE9oth\xE8que.\r\n"));
    QVERIFY(entreeDisponible(f, "Enregistre")); // the mode stays

    // The box's text as the files hold it: no line end added at the load, none lost at the save.
    const QByteArray club = "Madame,\r\n\r\nle film\xA0: <<LIVRE>>\r\n\tavec \xAB guillemets \xBB\r\n\r\n";
    ecrire(b.chemin("Club.let"), club);
    ecrire(b.chemin("SansFin.LET"), "une ligne\r\nderniere");
    QVERIFY(choisirMenu(f, "Autre"));
    QVERIFY(choisirMenu(f, "Charger"));
    QCOMPARE(textes(f->listeLettresACharger), QStringList({"Club.let", "Rappel.let", "SansFin.LET"}));
    QVERIFY(cliquerElement(f->listeLettresACharger, "Rappel.let"));
    QVERIFY(!visible(f->listeLettresACharger) && visible(f->caseTexteLettre));
    QCOMPARE(f->caseTexteLettre->toPlainText(),
             QString("Cher membre,\nle film <<LIVRE>> est attendu à la vidéothèque."));
    QCOMPARE(f->caseTexteLettre->font().pointSizeF(), 12.0 * ctx().PourcentZoom / 100);
    QVERIFY(f->caseTexteLettre->font().bold());
    QVERIFY(choisirMenu(f, "Enregistre"));
    QCOMPARE(contenu(b.chemin("Rappel.let")),
             QByteArray("Cher membre,\r\nle film <<LIVRE>> est attendu \xE0 la vid\xE9oth\xE8que.\r\n"));

    for (const char* nom : {"Club.let", "SansFin.LET"}) {
        const QByteArray avant = contenu(b.chemin(nom));
        QVERIFY(choisirMenu(f, "Autre"));
        QVERIFY(f->caseTexteLettre->toPlainText().isEmpty());
        QVERIFY(choisirMenu(f, "Charger"));
        QVERIFY(cliquerElement(f->listeLettresACharger, nom));
        QVERIFY(choisirMenu(f, "Enregistre"));
        QCOMPARE(contenu(b.chemin(nom)), avant);
    }

    // An edit reaches the loaded file, and only it.
    f->caseTexteLettre->moveCursor(QTextCursor::End);
    taperTexte(f->caseTexteLettre, {"", "fin"});
    QVERIFY(choisirMenu(f, "Enregistre"));
    QCOMPARE(contenu(b.chemin("SansFin.LET")), QByteArray("une ligne\r\nderniere\r\nfin"));
    QCOMPARE(modeles(b), QStringList({"Club.let", "Rappel.let", "SansFin.LET"}));
    QVERIFY(b.env().messages.isEmpty());
}

void TestLettre::nomsRefuses() {
    Banc b;
    FrmLettre* f = ouvrir(b);
    QVERIFY(f);
    ecrire(b.chemin("rappel.let"), "ancien\r\n");
    QVERIFY(choisirMenu(f, "Creer"));
    taperTexte(f->caseTexteLettre, {"texte"});

    // Typed then erased back to nothing: no ".let" file.
    taper(f->caseNomLettre, "X");
    QTest::keyClick(f->caseNomLettre, Qt::Key_Backspace);
    const QStringList refuses = {"",   "   ", ".cache", "a/b", "..\\b", "c:x",
                                 "a*", "q?",  "d\"e",   "<f",  "g>",    "h|i"};
    for (const QString& nom : refuses) {
        f->caseNomLettre->setText(nom);
        b.env().messages.clear();
        QVERIFY(choisirMenu(f, "Enregistre"));
        QCOMPARE(b.env().messages.size(), 1);
        QVERIFY2(!b.env().messages[0].texte.isEmpty(), qPrintable(nom));
    }
    // A pasted control character never reaches the box.
    f->caseNomLettre->clear();
    QGuiApplication::clipboard()->setText(QString("tab") + QChar('\t') + "x");
    QTest::keySequence(f->caseNomLettre, QKeySequence::Paste);
    QCOMPARE(f->caseNomLettre->text(), QString("tabx"));
    QCOMPARE(QDir(b.dossier()).entryList(QDir::Files | QDir::Hidden).filter(".let"),
             QStringList({"rappel.let"}));
    QVERIFY(!QDir(b.dossier()).exists("a"));

    // A template is one file whatever the letter case: "Rappel" replaces "rappel.let".
    b.env().messages.clear();
    f->caseNomLettre->clear();
    taper(f->caseNomLettre, "Rappel");
    QVERIFY(choisirMenu(f, "Enregistre"));
    QCOMPARE(modeles(b), QStringList({"rappel.let"}));
    QCOMPARE(contenu(b.chemin("rappel.let")), QByteArray("texte\r\n"));
    f->caseNomLettre->clear();
    taper(f->caseNomLettre, "Lettre d'été");
    QVERIFY(choisirMenu(f, "Enregistre"));
    QVERIFY(QFile::exists(b.chemin("Lettre d'été.let")));
    QVERIFY(b.env().messages.isEmpty());
}

void TestLettre::effacer() {
    Banc b;
    ecrire(b.chemin("Vieux.let"), "x\r\n");
    ecrire(b.chemin("Autre.let"), "y\r\n");
    FrmLettre* f = ouvrir(b);
    QVERIFY(f);
    QVERIFY(choisirMenu(f, "Efface"));
    QCOMPARE(textes(f->listeLettresAEffacer), QStringList({"Autre.let", "Vieux.let"}));

    b.env().reponses = {false};
    QVERIFY(cliquerElement(f->listeLettresAEffacer, "Vieux.let"));
    QCOMPARE(b.env().questions.back().texte, QString("ETES VOUR DE VOULOIR EFFACER Vieux.let"));
    // A stray Enter keeps the template.
    QVERIFY(b.env().questions.back().nonParDefaut);
    QVERIFY(QFile::exists(b.chemin("Vieux.let")));
    // Back to the start either way.
    QVERIFY(!visible(f->listeLettresAEffacer) && entreeDisponible(f, "Efface"));

    b.env().reponses = {true};
    QVERIFY(choisirMenu(f, "Efface"));
    QVERIFY(cliquerElement(f->listeLettresAEffacer, "Vieux.let"));
    QVERIFY(!QFile::exists(b.chemin("Vieux.let")));
    QVERIFY(entreeDisponible(f, "Charger"));
    QCOMPARE(textes(f->listeLettresACharger), QStringList({"Autre.let"}));
    QCOMPARE(textes(f->listeLettresAEffacer), QStringList({"Autre.let"}));
    QVERIFY(b.env().messages.isEmpty());
}

void TestLettre::codes() {
    Banc b;
    FrmLettre* f = ouvrir(b);
    QVERIFY(f);
    const QString fichier = b.chemin("Code");

    // No list yet: an empty list, and the first addition writes the file.
    QVERIFY(choisirMenu(f, "Code"));
    QVERIFY(visible(f->listeCodes) && f->listeCodes->count() == 0);
    QVERIFY(choisirMenu(f, "Autre"));
    QVERIFY(choisirMenu(f, "Ajout"));
    QVERIFY(visible(f->caseCode) && visible(f->libelleCode) && visible(f->listeCodes));
    QCOMPARE(f->libelleCode->text(), QString("Nom du Code"));
    taper(f->caseCode, "rappel urgent", true);
    QCOMPARE(contenu(fichier), QByteArray("RAPPEL URGENT\r\n"));
    QVERIFY(f->caseCode->text().isEmpty());
    taper(f->caseCode, "", true); // Enter on nothing adds no line
    taper(f->caseCode, "  r1, r2  ", true);
    taper(f->caseCode, "rappel urgent", true);
    taper(f->caseCode, "élève", true);
    QCOMPARE(contenu(fichier), QByteArray("RAPPEL URGENT\r\nR1, R2\r\nRAPPEL URGENT\r\n\xC9L\xC8VE\r\n"));
    QCOMPARE(textes(f->listeCodes), QStringList({"RAPPEL URGENT", "R1, R2", "RAPPEL URGENT", "ÉLÈVE"}));
    QVERIFY(entreeDisponible(f, "Autre") && !entreeDisponible(f, "Supp"));

    // A code is deleted with every line equal to it once blanks around are set aside.
    ecrire(fichier, "RAPPEL URGENT\r\n  RAPPEL URGENT \r\n R1, R2\r\nRAPPEL URGENT\r\nrappel urgent\r\n");
    QVERIFY(choisirMenu(f, "Autre"));
    QVERIFY(choisirMenu(f, "Supp"));
    QVERIFY(visible(f->listeCodesASupprimer) && !visible(f->listeCodes));
    QVERIFY(cliquerElement(f->listeCodesASupprimer, "  RAPPEL URGENT "));
    QCOMPARE(contenu(fichier), QByteArray(" R1, R2\r\nrappel urgent\r\n"));
    QCOMPARE(textes(f->listeCodesASupprimer), QStringList({" R1, R2", "rappel urgent"}));
    QVERIFY(cliquerElement(f->listeCodesASupprimer, "rappel urgent"));
    QVERIFY(cliquerElement(f->listeCodesASupprimer, " R1, R2"));
    QCOMPARE(contenu(fichier), QByteArray());
    QCOMPARE(f->listeCodesASupprimer->count(), 0);
    QVERIFY(visible(f->listeCodesASupprimer)); // the mode stays
    QVERIFY(b.env().messages.isEmpty());
}

void TestLettre::listeDeCodesIlisible() {
    if (geteuid() == 0) QSKIP("root reads every file");
    Banc b;
    FrmLettre* f = ouvrir(b);
    QVERIFY(f);
    const QString fichier = b.chemin("Code");
    ecrire(fichier, "A\r\nB\r\n");
    QFile::setPermissions(fichier, QFile::WriteOwner);
    QVERIFY(choisirMenu(f, "Ajout"));
    QCOMPARE(b.env().messages.size(), 1);
    taper(f->caseCode, "C", true);
    // A list that could not be read is not replaced by what the window happened to show.
    QFile::setPermissions(fichier, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(contenu(fichier), QByteArray("A\r\nB\r\n"));
    QCOMPARE(b.env().messages.size(), 2);
    QCOMPARE(f->caseCode->text(), QString("C"));
}

void TestLettre::modelesTropGrands_data() {
    QTest::addColumn<QByteArray>("ligne"); // the template: this line, its line end, so many times
    QTest::addColumn<int>("fois");
    QTest::addColumn<bool>("charge");
    QTest::newRow("1 Mo de lignes ordinaires")
        << QByteArray("Nous vous prions de bien vouloir rapporter le film <<LIVRE>> au club.") << 15000
        << true;
    QTest::newRow("une ligne de 16384 caracteres") << QByteArray(16384, 'A') << 1 << true;
    QTest::newRow("une ligne de 16385 caracteres") << QByteArray(16385, 'A') << 1 << false;
    QTest::newRow("une ligne de 200 Ko") << QByteArray(200 * 1024, 'A') << 1 << false;
}

// Only a line too long for the editor is refused, never a large template of ordinary lines.
void TestLettre::modelesTropGrands() {
    QFETCH(QByteArray, ligne);
    QFETCH(int, fois);
    QFETCH(bool, charge);
    Banc b;
    const QByteArray octets = (ligne + "\r\n").repeated(fois);
    ecrire(b.chemin("Long.let"), octets);
    FrmLettre* f = ouvrir(b);
    QVERIFY(f);
    QVERIFY(choisirMenu(f, "Charger"));
    QVERIFY(cliquerElement(f->listeLettresACharger, "Long.let"));
    QCOMPARE(visible(f->caseTexteLettre), charge);
    QCOMPARE(entreeDisponible(f, "Enregistre"), charge);
    if (!charge) {
        QVERIFY(b.messages().startsWith("LA LETTRE Long.let A UNE LIGNE DE PLUS DE"));
        return;
    }
    QVERIFY(b.env().messages.isEmpty());
    // One more character at the end: saved, unless it makes the line too long for the editor.
    f->caseTexteLettre->moveCursor(QTextCursor::End);
    taper(f->caseTexteLettre, "B");
    QVERIFY(choisirMenu(f, "Enregistre"));
    const bool tropLongue = ligne.size() == 16384;
    QCOMPARE(b.messages().startsWith("LA LETTRE A UNE LIGNE DE PLUS DE"), tropLongue);
    QCOMPARE(contenu(b.chemin("Long.let")), tropLongue ? octets : octets.chopped(2) + "B\r\n");
}

void TestLettre::disquePlein_data() {
    QTest::addColumn<int>("facon");
    QTest::newRow("petit disque") << int(DisquePlein::Facon::PetitDisque);
    QTest::newRow("taille des fichiers limitee") << int(DisquePlein::Facon::LimiteDeTaille);
}

// A template saved on a full disk stays as it was, and the operator is told.
void TestLettre::disquePlein() {
    QFETCH(int, facon);
    Banc b;
    DisquePlein plein(DisquePlein::Facon(facon), b.dossier());
    if (!plein.possible()) QSKIP("only root can mount a small file system");
    QByteArray avant;
    for (int i = 1; avant.size() < 20000; ++i)
        avant += QByteArray("Ligne ") + QByteArray::number(i) + " de la lettre pour <<LIVRE>>\r\n";
    ecrire(b.chemin("Rappel.let"), avant);
    FrmLettre* f = ouvrir(b);
    QVERIFY(f && choisirMenu(f, "Charger") && cliquerElement(f->listeLettresACharger, "Rappel.let"));
    // The operator pastes a new text of 12 KB over the whole template.
    QGuiApplication::clipboard()->setText(QString("Une nouvelle ligne de la lettre.\n").repeated(400));
    QTest::keyClick(f->caseTexteLettre, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f->caseTexteLettre, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(plein.remplir(4096));
    QVERIFY(choisirMenu(f, "Enregistre"));
    plein.liberer();
    QCOMPARE(contenu(b.chemin("Rappel.let")), avant);
    const QString dit = b.messages();
    QVERIFY2(dit.contains("LE DISQUE EST PLEIN") && dit.contains("CONSERVE"), qPrintable(dit));
    QCOMPARE(QDir(b.dossier()).entryList({"Rappel*"}, QDir::Files | QDir::Hidden), QStringList{"Rappel.let"});
}

QTEST_MAIN(TestLettre)
#include "tst_lettre.moc"
