// The rule of every text box: what a window's boxes keep of what the operator types or pastes, or
// an assistive tool sets.
#include "Banc.h"

#include "common/Saisie.h"
#include "platform/Form.h"
#include "platform/RegleSaisie.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, two UTF-16 units

void coller(QWidget* box, const QString& texte) {
    QGuiApplication::clipboard()->setText(texte);
    box->setFocus();
    QTest::keySequence(box, QKeySequence::Paste);
}

// One key whose text is the whole string, as a keyboard or an input method sends it.
void frapper(QWidget* box, const QString& texte) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texte);
    QApplication::sendEvent(box, &appui);
}

QString texteDe(QWidget* box) {
    if (auto* l = qobject_cast<QLineEdit*>(box)) return l->text();
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

} // namespace

class TestSaisie : public QObject {
    Q_OBJECT
  private slots:
    void regle_data();
    void regle();
    void texteDUneFenetreGarde();
    void listeModifiable();
};

void TestSaisie::regle_data() {
    QTest::addColumn<bool>("multiLigne");
    QTest::addColumn<bool>("majuscules");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<QString>("avant");
    QTest::addColumn<QString>("voie");
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<bool>("avis");

    const QString t58(58, QLatin1Char('A'));
    const QString t59(59, QLatin1Char('A'));
    QTest::newRow("collé : fins de ligne, NUL, DEL, U+0085, tab")
        << false << false << 60 << ""
        << "collé" << QString::fromUtf8("AL\nIEN\r\n\x00\x7F\xC2\x85\t!", 14) << "ALIEN!" << false;
    // A paste holding a character the box refuses is refused whole; the box keeps what it had.
    QTest::newRow("collé : emoji, tout refusé")
        << false << false << 60 << "X"
        << "collé" << QStringLiteral("LE ") + kEmoji + QStringLiteral(" FILM") << "X" << true;
    QTest::newRow("collé : chinois refusé")
        << false << false << 60 << "X"
        << "collé" << QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87") << "X" << true;
    QTest::newRow("collé : 59 + emoji, rien de coupé")
        << false << false << 60 << t59 << "collé" << kEmoji << t59 << true;
    QTest::newRow("collé : emoji dans un texte qui tiendrait")
        << false << false << 60 << t58 << "collé" << kEmoji + QStringLiteral("BC") << t58 << true;
    QTest::newRow("collé : plus long que la place, refusé entier")
        << false << false << 60 << t58 << "collé" << QStringLiteral("BCD") << t58 << true;
    QTest::newRow("collé : juste la place") << false << false << 60 << t58 << "collé" << QStringLiteral("BC")
                                            << t58 + QStringLiteral("BC") << false;
    QTest::newRow("collé : Windows-1252 gardé")
        << false << false << 60 << ""
        << "collé" << QString::fromUtf8("é€œŒ…«»") << QString::fromUtf8("é€œŒ…«»") << false;
    QTest::newRow("collé en majuscules")
        << false << true << 5 << ""
        << "collé" << QString::fromUtf8("bé") << QString::fromUtf8("BÉ") << false;
    QTest::newRow("tapé : emoji refusé") << false << false << 60 << "AB"
                                         << "tapé" << kEmoji << "AB" << true;
    QTest::newRow("tapé : lettre grecque refusée") << false << false << 60 << "AB"
                                                   << "tapé" << QString::fromUtf8("λ") << "AB" << true;
    QTest::newRow("tapé : lettre accentuée")
        << false << false << 60 << "AB"
        << "tapé" << QString::fromUtf8("É") << QString::fromUtf8("ABÉ") << false;
    QTest::newRow("tapé en majuscules : µ et ß restent")
        << false << true << 60 << ""
        << "tapé" << QString::fromUtf8("éµß") << QString::fromUtf8("Éµß") << false;
    QTest::newRow("plusieurs lignes : sauts gardés, le reste non")
        << true << false << 0 << ""
        << "collé" << QString::fromUtf8("L1\r\nL2\tX\x00", 9) + QStringLiteral("\nL3") << "L1\nL2X\nL3"
        << false;
    QTest::newRow("plusieurs lignes : collage refusé entier")
        << true << false << 0 << ""
        << "collé" << QStringLiteral("L1\n") + kEmoji << "" << true;
    QTest::newRow("plusieurs lignes : tapé") << true << false << 0 << ""
                                             << "tapé" << QString::fromUtf8("\xE4\xB8\xAD") << "" << true;

    // A paste over a selection has the selection's room too.
    QTest::newRow("collé sur tout, case pleine") << false << true << 5 << "ABCDE"
                                                 << "collé sur tout"
                                                 << "fghij"
                                                 << "FGHIJ" << false;
    // An assistive tool's edit is a paste over the range it names.
    QTest::newRow("accessible : valeur, saut de ligne ôté") << false << false << 60 << "X"
                                                            << "valeur"
                                                            << "A\nB"
                                                            << "AB" << false;
    QTest::newRow("accessible : valeur, emoji, tout refusé")
        << false << false << 60 << "X"
        << "valeur" << QStringLiteral("LE ") + kEmoji << "X" << true;
    QTest::newRow("accessible : insertion en majuscules")
        << false << true << 60 << "AB"
        << "insertion" << QString::fromUtf8("µß-é") << QString::fromUtf8("ABµß-É") << false;
    QTest::newRow("accessible : insertion trop longue, refusée entière") << false << true << 5 << "ABCD"
                                                                         << "insertion"
                                                                         << "EF"
                                                                         << "ABCD" << true;
    QTest::newRow("accessible : remplacement de tout, case pleine") << false << false << 5 << "ABCDE"
                                                                    << "remplacement"
                                                                    << "FGHIJ"
                                                                    << "FGHIJ" << false;
}

void TestSaisie::regle() {
    QFETCH(bool, multiLigne);
    QFETCH(bool, majuscules);
    QFETCH(int, largeur);
    QFETCH(QString, avant);
    QFETCH(QString, voie);
    QFETCH(QString, saisi);
    QFETCH(QString, attendu);
    QFETCH(bool, avis);

    Banc b;
    // A window that does nothing for the rule: its boxes have it.
    Form f(QStringLiteral("FrmEssai"), QStringLiteral("Essai"));
    QWidget* box = nullptr;
    if (multiLigne) {
        box = f.controle(new QPlainTextEdit(&f), 0, 0, 6000, 3000);
    } else {
        auto* l = f.controle(new QLineEdit(&f), 0, 0, 6000, 450);
        l->setMaxLength(largeur);
        l->setText(avant);
        if (majuscules) MajusculeFrappe(l);
        box = l;
    }
    f.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    if (voie == "collé") {
        coller(box, saisi);
    } else if (voie == "collé sur tout") {
        box->setFocus();
        QTest::keySequence(box, QKeySequence::SelectAll);
        coller(box, saisi);
    } else if (voie == "valeur") {
        accessible->setText(QAccessible::Value, saisi);
    } else if (voie == "insertion") {
        accessible->editableTextInterface()->insertText(int(avant.size()), saisi);
    } else if (voie == "remplacement") {
        accessible->editableTextInterface()->replaceText(0, int(avant.size()), saisi);
    } else {
        frapper(box, saisi);
    }
    QCOMPARE(texteDe(box), attendu);
    QCOMPARE(!b.messages().isEmpty(), avis);
}

void TestSaisie::texteDUneFenetreGarde() {
    Banc b;
    Form f(QStringLiteral("FrmEssai"), QStringLiteral("Essai"));
    auto* p = f.controle(new QPlainTextEdit(&f), 0, 0, 6000, 3000);
    auto* l = f.controle(new QLineEdit(&f), 0, 3000, 6000, 450);
    f.show();
    // A stored text or a chosen path is shown exactly; the operator's keys still follow the rule.
    const QString stocke = QString::fromUtf8("Sauvegarde Łódź a\tb\nc");
    l->setText(stocke);
    QCOMPARE(l->text(), stocke);
    l->end(false);
    frapper(l, QString::fromUtf8("λ"));
    frapper(l, QStringLiteral("!"));
    QCOMPARE(l->text(), stocke + QStringLiteral("!"));
    QCOMPARE(b.messages(), AvisCaractereRefuse());
    // A template read from its file is shown as it stands; what the operator adds follows the rule.
    p->setPlainText(QStringLiteral("A\tB"));
    QCOMPARE(p->toPlainText(), QStringLiteral("A\tB"));
    p->moveCursor(QTextCursor::End);
    coller(p, QStringLiteral("\tC"));
    QCOMPARE(p->toPlainText(), QStringLiteral("A\tBC"));
    QVERIFY(b.messages().isEmpty());
}

// An editable list hands the keys it receives to its box itself.
void TestSaisie::listeModifiable() {
    Banc b;
    Form f(QStringLiteral("FrmEssai"), QStringLiteral("Essai"));
    auto* c = f.controle(new QComboBox(&f), 0, 0, 6000, 450);
    c->setEditable(true);
    InstallerRegleSaisie(c);
    f.show();
    c->setEditText(QStringLiteral("ALIEN"));
    c->lineEdit()->end(false);
    frapper(c, QString::fromUtf8("λ"));
    coller(c, QString::fromUtf8(" \xE6\x97\xA5"));
    frapper(c, QStringLiteral("!"));
    QCOMPARE(c->currentText(), QStringLiteral("ALIEN!"));
    QCOMPARE(b.messages(), AvisCaractereRefuse() + QLatin1Char('|') + AvisCaractereRefuse());
}

QTEST_MAIN(TestSaisie)
#include "tst_saisie.moc"
