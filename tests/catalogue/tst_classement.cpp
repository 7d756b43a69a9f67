// The shelf-place settings ("Outil" > "Classement"): what is saved into Classe, what is refused, and
// that film entry refuses the same values when they come from the database.
#include "Banc.h"

#include "catalogue/FrmClassement.h"
#include "catalogue/FrmSaisir.h"
#include "common/Contexte.h"
#include "common/Emplacement.h"
#include "shell/FrmDepart.h"

#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

QString classe() {
    auto t = ctx().base().ouvrirTable("Classe");
    QStringList l;
    for (const char* c : {"Trave", "Rang", "Numero", "NumRang", "NumNumero"})
        l << t->Texte(QString::fromLatin1(c));
    return l.join('|');
}

void retaper(QLineEdit* box, const QString& texte) {
    box->clear();
    taper(box, texte);
}

} // namespace

class TestClassement : public QObject {
    Q_OBJECT
  private slots:
    void enregistrer_data() {
        QTest::addColumn<int>("boite"); // 1 to 5: the boxes in screen order
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("attendu"); // the stored row, or the box named by the refusal
        QTest::newRow("inchangé") << 0 << ""
                                  << "A|1|1|8|10";
        QTest::newRow("travée tapée en minuscules") << 1 << "bc"
                                                    << "BC|1|1|8|10";
        QTest::newRow("rang au-dessus du dernier") << 2 << "9"
                                                   << "A|9|1|8|10";
        QTest::newRow("blancs autour") << 5 << " 12 "
                                       << "A|1|1|8|12";
        QTest::newRow("travée suivie d'un blanc") << 1 << "B "
                                                  << "B|1|1|8|10";
        QTest::newRow("numéro changé") << 3 << "7"
                                       << "A|1|7|8|10";
        QTest::newRow("dernier rang changé") << 4 << "12"
                                             << "A|1|1|12|10";
        QTest::newRow("travée après Z") << 1 << "["
                                        << "\"TRAVE\"";
        QTest::newRow("travée accentuée") << 1 << "É"
                                          << "\"TRAVE\"";
        QTest::newRow("travée chiffre") << 1 << "1A"
                                        << "\"TRAVE\"";
        QTest::newRow("travée vide") << 1 << "  "
                                     << "\"TRAVE\"";
        QTest::newRow("rang non numérique") << 2 << "X"
                                            << "\"RANG\"";
        QTest::newRow("numéro zéro") << 3 << "0"
                                     << "\"NUMERO\"";
        QTest::newRow("dernier rang zéro") << 4 << "0"
                                           << "\"DERNIER RANG\"";
        QTest::newRow("dernier rang négatif") << 4 << "-8"
                                              << "\"DERNIER RANG\"";
        QTest::newRow("dernier numéro décimal") << 5 << "2.5"
                                                << "\"DERNIER NUMERO\"";
        QTest::newRow("dernier numéro vide") << 5 << ""
                                             << "\"DERNIER NUMERO\"";
    }

    void enregistrer() {
        QFETCH(int, boite);
        QFETCH(QString, saisie);
        QFETCH(QString, attendu);
        Banc b;
        b.creerBase();
        FrmDepart* d = b.connecter();
        QVERIFY(choisirMenu(d, "Classe"));
        auto* f = b.fenetre<FrmClassement>();
        QVERIFY(f && !d->isEnabled());
        QCOMPARE(controlesMalVus(f), QStringList());
        QStringList affiche;
        for (QLineEdit* c : f->caseClassement)
            affiche << c->text();
        QCOMPARE(affiche.join('|'), QString("A|1|1|8|10"));
        if (boite) retaper(f->caseClassement[boite - 1], saisie);
        QVERIFY(choisirMenu(f, "Enreg"));
        if (!attendu.startsWith('"')) {
            QCOMPARE(b.messages(), QString());
            QCOMPARE(classe(), attendu);
            QVERIFY(!b.fenetre<FrmClassement>() && d->isEnabled());
            // The next film gets the place saved; a row above the last one then steps to the next bay.
            const Classement c = LireClassement(ctx().base());
            AvancerEmplacement(ctx().base(), c.place);
            if (boite == 2) QCOMPARE(classe(), QString("B|1|2|8|10"));
            return;
        }
        // Refused, naming the box; nothing written, the window stays.
        const QString message = b.messages();
        QVERIFY2(message.contains(attendu), qPrintable(message));
        QCOMPARE(classe(), QString("A|1|1|8|10"));
        QCOMPARE(b.fenetre<FrmClassement>(), f);

        // The same value stored by other means: film entry refuses to give a place from it.
        QVERIFY(choisirMenu(f, "Retour"));
        {
            auto t = ctx().base().ouvrirTable("Classe");
            t->Edit();
            const char* champs[] = {"", "Trave", "Rang", "Numero", "NumRang", "NumNumero"};
            const bool nombre = boite == 3 || boite == 5;
            if (!nombre || saisie.toInt() != 0 || saisie == "0")
                t->SetValue(champs[boite], nombre ? QVariant(saisie.toInt()) : QVariant(saisie));
            else
                t->SetValue(champs[boite], QVariant()); // a long field holds no text: left empty
            t->Update();
        }
        QVERIFY(choisirMenu(d, "Saisi"));
        const QString refus = b.messages();
        // "[" is what Classe holds once the last place of bay "Z" is given.
        if (saisie == "[")
            QVERIFY2(refus.startsWith("PLUS AUCUN EMPLACEMENT LIBRE"), qPrintable(refus));
        else
            QVERIFY2(refus.startsWith("LE CLASSEMENT EST INCORRECT") && refus.contains(attendu),
                     qPrintable(refus));
        QVERIFY(b.fenetre<FrmSaisir>()->caseTravee->text().isEmpty());
    }
};

QTEST_MAIN(TestClassement)
#include "tst_classement.moc"
