// Film identifiers and shelf places: the composition of an identifier, the step from one free
// place to the next, and what a Classe row that cannot give a place does.
#include "Banc.h"

#include "common/Contexte.h"
#include "common/Emplacement.h"
#include "common/Matricule.h"
#include "common/Refus.h"
#include "platform/Database.h"

#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

Emplacement place(const char* trave, int rang, int numero) {
    return {QString::fromUtf8(trave), rang, numero};
}

QString texte(const std::optional<Emplacement>& e) {
    return e ? TexteEmplacement(*e) : QStringLiteral("aucune");
}

// The Classe row as stored: Trave, Rang, Numero, NumRang, NumNumero.
QStringList classe(Database& db) {
    auto t = db.ouvrirTable("Classe");
    QStringList l;
    for (const char* c : {"Trave", "Rang", "Numero", "NumRang", "NumNumero"})
        l << t->Texte(QString::fromLatin1(c));
    return l;
}

void ecrireClasse(Database& db, const QString& champ, const QVariant& v) {
    auto t = db.ouvrirTable("Classe");
    t->Edit();
    t->SetValue(champ, v);
    t->Update();
}

} // namespace

class TestMatricule : public QObject {
    Q_OBJECT
  private slots:
    void compteurEtIdentifiant() {
        QCOMPARE(CompleterCompteur("7"), QString("007"));
        QCOMPARE(CompleterCompteur("42"), QString("042"));
        QCOMPARE(CompleterCompteur("123"), QString("123"));
        QCOMPARE(CompleterCompteur("1234"), QString("1234"));
        QCOMPARE(CompleterCompteur(""), QString(""));
        QCOMPARE(ComposerMatriculeCD("7", QDate(2004, 3, 5)), QString("00705C2004"));
        QCOMPARE(ComposerMatriculeCD("1234", QDate(2026, 12, 21)), QString("123421U2026"));
        QCOMPARE(ComposerMatriculeCD("1", QDate(2026, 12, 8)), QString("00108U2026"));
        QCOMPARE(ComposerMatriculeCD("1", QDate(2026, 12, 8)).size(), 10);

        const QString lettres = "ABCDEGHKMNQU";
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(LettreMois(QString("%1").arg(m, 2, 10, QChar('0'))), QString(lettres.at(m - 1)));
        for (const char* autre : {"00", "13", "1", "", "1A", " 1"})
            QVERIFY2(LettreMois(autre).isEmpty(), autre);
    }

    void placeSuivante() {
        // Default limits: last row 8, last number 10.
        QCOMPARE(texte(PlaceSuivante(place("A", 1, 1), 8, 10)), QString("A - 1 - 2"));
        QCOMPARE(texte(PlaceSuivante(place("A", 1, 10), 8, 10)), QString("A - 2 - 1"));
        QCOMPARE(texte(PlaceSuivante(place("A", 8, 10), 8, 10)), QString("B - 1 - 1"));
        // Only the first character of the bay counts.
        QCOMPARE(texte(PlaceSuivante(place("AB", 8, 10), 8, 10)), QString("B - 1 - 1"));
        // A row already past the last row goes to the next bay even when its number does not wrap.
        QCOMPARE(texte(PlaceSuivante(place("C", 9, 3), 8, 10)), QString("D - 1 - 4"));
        // Bays end at Z.
        QCOMPARE(texte(PlaceSuivante(place("Z", 8, 9), 8, 10)), QString("Z - 8 - 10"));
        QCOMPARE(texte(PlaceSuivante(place("Z", 8, 10), 8, 10)), QString("aucune"));
        QCOMPARE(texte(PlaceSuivante(place("Y", 8, 10), 8, 10)), QString("Z - 1 - 1"));

        // The whole run of the default shelves: 26 bays of 80 places, then none.
        Emplacement e = place("A", 1, 1);
        int places = 1;
        while (auto s = PlaceSuivante(e, 8, 10)) {
            e = *s;
            ++places;
        }
        QCOMPARE(places, 26 * 8 * 10);
        QCOMPARE(TexteEmplacement(e), QString("Z - 8 - 10"));
    }

    void avancerDansLaBase() {
        Banc b;
        ctx().BaseEnCours = Database::ouvrir(b.creerBase());
        Database& db = ctx().base();
        Classement c = LireClassement(db);
        QCOMPARE(TexteEmplacement(c.place), QString("A - 1 - 1"));
        QCOMPARE(c.NumRang, 8);
        QCOMPARE(c.NumNumero, 10);

        AvancerEmplacement(db, place("A", 1, 10));
        QCOMPARE(classe(db), QStringList({"A", "2", "1", "8", "10"}));
        // The bay is read from the row, the row and number from the place in hand.
        ecrireClasse(db, "Trave", "AB");
        AvancerEmplacement(db, place("A", 8, 10));
        QCOMPARE(classe(db), QStringList({"B", "1", "1", "8", "10"}));

        // After the last place of bay Z the row holds the bay after it, which gives no place.
        ecrireClasse(db, "Trave", "Z");
        AvancerEmplacement(db, place("Z", 8, 10));
        QCOMPARE(classe(db), QStringList({"[", "1", "1", "8", "10"}));
        try {
            LireClassement(db);
            QFAIL("une travée au-delà de Z ne donne aucune place");
        } catch (const Refus& r) {
            QVERIFY(r.message().contains("PLUS AUCUN EMPLACEMENT"));
        }
    }

    void classeIllisible_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QVariant>("valeur");
        QTest::newRow("rang non numerique") << "Rang" << QVariant("X");
        QTest::newRow("rang vide") << "Rang" << QVariant("");
        QTest::newRow("dernier rang non numerique") << "NumRang" << QVariant("huit");
        QTest::newRow("dernier rang absent") << "NumRang" << QVariant();
        QTest::newRow("dernier numero absent") << "NumNumero" << QVariant();
        QTest::newRow("travee vide") << "Trave" << QVariant("");
        QTest::newRow("travee blanche") << "Trave" << QVariant("  ");
        QTest::newRow("travee minuscule") << "Trave" << QVariant("a");
    }

    void classeIllisible() {
        QFETCH(QString, champ);
        QFETCH(QVariant, valeur);
        Banc b;
        ctx().BaseEnCours = Database::ouvrir(b.creerBase());
        Database& db = ctx().base();
        ecrireClasse(db, champ, valeur);
        const QStringList avant = classe(db);
        try {
            AvancerEmplacement(db, place("A", 1, 1));
            QFAIL("un classement illisible doit être refusé");
        } catch (const Refus& r) {
            QVERIFY(r.message().contains("CLASSEMENT"));
        }
        QCOMPARE(classe(db), avant);
    }
};

QTEST_MAIN(TestMatricule)
#include "tst_matricule.moc"
