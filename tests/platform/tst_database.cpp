// The engine as the windows use it: table order, Null, typed writes, transactions, compaction.

#include "platform/Database.h"

#include "EcritureTuee.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace vidora;

class TestDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString chemin(const QString& n) const { return dir.filePath(n); }

    std::unique_ptr<Database> nouvelleBase(const QString& nom) {
        auto db = Database::creer(chemin(nom));
        db->creerTable({QStringLiteral("Film"),
                        {{QStringLiteral("Nom"), TypeChamp::Texte, 10},
                         {QStringLiteral("Sortie"), TypeChamp::Long, 0},
                         {QStringLiteral("Image"), TypeChamp::Booleen, 0},
                         {QStringLiteral("MatriCD2"), TypeChamp::Texte, 15}}});
        return db;
    }
    static void ajouter(Database& db, const QString& nom) {
        auto rs = db.ouvrirTable(QStringLiteral("Film"));
        rs->AddNew();
        rs->SetValue(QStringLiteral("Nom"), nom);
        rs->Update();
    }
    static QStringList noms(Database& db) {
        QStringList res;
        auto rs = db.ouvrirTable(QStringLiteral("Film"));
        while (!rs->Fin()) {
            res << rs->Texte(QStringLiteral("Nom"));
            rs->MoveNext();
        }
        return res;
    }

  private slots:
    void ordreDesLignesAjoutSuppressionCompactage() {
        auto db = nouvelleBase(QStringLiteral("ordre.MDB"));
        for (const char* n : {"C", "A", "B", "D"})
            ajouter(*db, QString::fromLatin1(n));
        {
            // Delete "A" and "D" during a walk: the walk goes on to the next row.
            auto rs = db->ouvrirTable(QStringLiteral("Film"));
            QStringList vus;
            while (!rs->Fin()) {
                vus << rs->Texte(QStringLiteral("Nom"));
                if (rs->Texte(QStringLiteral("Nom")) == QLatin1String("A") ||
                    rs->Texte(QStringLiteral("Nom")) == QLatin1String("D"))
                    rs->Delete();
                rs->MoveNext();
            }
            QCOMPARE(vus, QStringList({"C", "A", "B", "D"}));
            QCOMPARE(rs->RecordCount(), 2);
        }
        ajouter(*db, QStringLiteral("A"));
        QCOMPARE(noms(*db), QStringList({"C", "B", "A"}));
        db->fermer();
        Database::compacter(chemin(QStringLiteral("ordre.MDB")), chemin(QStringLiteral("compact.MDB")));
        auto copie = Database::ouvrir(chemin(QStringLiteral("compact.MDB")));
        QCOMPARE(noms(*copie), QStringList({"C", "B", "A"}));
        ajouter(*copie, QStringLiteral("E"));
        QCOMPARE(noms(*copie), QStringList({"C", "B", "A", "E"}));
    }

    void ligneAjouteeApresLaDerniereSupprimee() {
        // The last row deleted, then a row added: a new row, found after the place of the old one.
        auto db = nouvelleBase(QStringLiteral("reprise.MDB"));
        ajouter(*db, QStringLiteral("A"));
        ajouter(*db, QStringLiteral("B"));
        auto laissee = db->ouvrirTable(QStringLiteral("Film"));
        laissee->MoveLast();
        auto rs = db->ouvrirTable(QStringLiteral("Film"));
        rs->MoveLast();
        rs->Delete();
        rs->AddNew();
        rs->SetValue(QStringLiteral("Nom"), QStringLiteral("C"));
        rs->Update();
        rs->MoveNext();
        QVERIFY(!rs->Fin());
        QCOMPARE(rs->Texte(QStringLiteral("Nom")), QStringLiteral("C"));
        // A recordset left on the deleted row never takes the new row for it.
        QVERIFY_THROWS_EXCEPTION(ErreurBase, laissee->Texte(QStringLiteral("Nom")));
        QVERIFY_THROWS_EXCEPTION(ErreurBase, laissee->Edit());
        QCOMPARE(noms(*db), QStringList({"A", "C"}));
    }

    void tableVideEtNull() {
        auto db = nouvelleBase(QStringLiteral("vide.MDB"));
        auto rs = db->ouvrirTable(QStringLiteral("Film"));
        QVERIFY(rs->Fin());
        QCOMPARE(rs->RecordCount(), 0);
        rs->MoveLast();
        QVERIFY(rs->Fin());
        QVERIFY_THROWS_EXCEPTION(ErreurBase, rs->Value(QStringLiteral("Nom")));
        rs.reset();
        ajouter(*db, QStringLiteral("X"));
        rs = db->ouvrirTable(QStringLiteral("Film"));
        QCOMPARE(rs->RecordCount(), 1); // known before any move
        QVERIFY(rs->EstNull(QStringLiteral("Sortie")));
        QVERIFY(rs->EstNull(QStringLiteral("MatriCD2")));
        QCOMPARE(rs->Texte(QStringLiteral("Sortie")), QString());
    }

    void typesEtLargeurs() {
        auto db = nouvelleBase(QStringLiteral("types.MDB"));
        ajouter(*db, QStringLiteral("X"));
        auto rs = db->ouvrirTable(QStringLiteral("Film"));
        rs->Edit();
        rs->SetValue(QStringLiteral("Sortie"), QStringLiteral("42"));
        rs->SetValue(QStringLiteral("Image"), true);
        rs->Update();
        QCOMPARE(rs->Value(QStringLiteral("Sortie")).toLongLong(), 42);
        QCOMPARE(rs->Value(QStringLiteral("Image")).toBool(), true);

        // A refused value writes nothing, not even the fields that were fine.
        const auto refuse = [&](const QString& champ, const QVariant& v) {
            rs->Edit();
            rs->SetValue(QStringLiteral("Nom"), QStringLiteral("CHANGE"));
            rs->SetValue(champ, v);
            QVERIFY_THROWS_EXCEPTION(ErreurBase, rs->Update());
        };
        refuse(QStringLiteral("Sortie"), QStringLiteral("abc"));
        refuse(QStringLiteral("Sortie"), QStringLiteral("1.5"));
        refuse(QStringLiteral("Sortie"), QStringLiteral("99999999999"));
        refuse(QStringLiteral("Nom"), QStringLiteral("ONZE CARACT"));
        rs = db->ouvrirTable(QStringLiteral("Film"));
        QCOMPARE(rs->Texte(QStringLiteral("Nom")), QStringLiteral("X"));
        QCOMPARE(rs->Value(QStringLiteral("Sortie")).toLongLong(), 42);
        // Ten characters fit a Text 10, accents included.
        rs->Edit();
        rs->SetValue(QStringLiteral("Nom"), QStringLiteral("ÉÉÉÉÉÉÉÉÉÉ"));
        rs->Update();
        QCOMPARE(rs->Texte(QStringLiteral("nom")), QStringLiteral("ÉÉÉÉÉÉÉÉÉÉ"));
    }

    void nomsDeChampsSansCasse() {
        auto db = nouvelleBase(QStringLiteral("casse.MDB"));
        ajouter(*db, QStringLiteral("X"));
        auto rs = db->ouvrirTable(QStringLiteral("film"));
        rs->Edit();
        rs->SetValue(QStringLiteral("Matricd2"), QStringLiteral("001"));
        rs->Update();
        rs = db->ouvrirTable(QStringLiteral("FILM"));
        QCOMPARE(rs->Texte(QStringLiteral("MatriCD2")), QStringLiteral("001"));
        QVERIFY_THROWS_EXCEPTION(ErreurBase, rs->Value(QStringLiteral("Inconnu")));
    }

    void transactionAnnuleeOuValidee() {
        auto db = nouvelleBase(QStringLiteral("tr.MDB"));
        ajouter(*db, QStringLiteral("A"));
        {
            Transaction t(*db);
            ajouter(*db, QStringLiteral("B"));
            auto rs = db->ouvrirTable(QStringLiteral("Film"));
            rs->Edit();
            rs->SetValue(QStringLiteral("Nom"), QStringLiteral("Z"));
            rs->Update();
        } // no valider(): everything goes back
        QCOMPARE(noms(*db), QStringList({"A"}));
        {
            Transaction t(*db);
            ajouter(*db, QStringLiteral("B"));
            {
                Transaction interne(*db);
                ajouter(*db, QStringLiteral("C"));
            }
            t.valider();
        }
        QCOMPARE(noms(*db), QStringList({"A", "B"}));
        // A walk begun before another recordset wrote sees the write.
        auto walk = db->ouvrirTable(QStringLiteral("Film"));
        {
            auto autre = db->ouvrirTable(QStringLiteral("Film"));
            autre->MoveNext();
            autre->Edit();
            autre->SetValue(QStringLiteral("Nom"), QStringLiteral("B2"));
            autre->Update();
        }
        walk->MoveNext();
        QCOMPARE(walk->Texte(QStringLiteral("Nom")), QStringLiteral("B2"));
    }

    void champsLusEnCoursDeParcours() {
        // A walk first reads one field, later others: every value is the stored one, whatever
        // the engine read ahead.
        auto db = nouvelleBase(QStringLiteral("lecture.MDB"));
        {
            Transaction t(*db);
            auto rs = db->ouvrirTable(QStringLiteral("Film"));
            for (int i = 0; i < 1200; ++i) {
                rs->AddNew();
                rs->SetValue(QStringLiteral("Nom"), QStringLiteral("F%1").arg(i));
                rs->SetValue(QStringLiteral("Sortie"), i);
                rs->SetValue(QStringLiteral("MatriCD2"), QStringLiteral("M%1").arg(i));
                rs->Update();
            }
            t.valider();
        }
        auto rs = db->ouvrirTable(QStringLiteral("Film"));
        auto autre = db->ouvrirTable(QStringLiteral("Film"));
        int i = 0;
        for (; !rs->Fin(); rs->MoveNext(), ++i) {
            QCOMPARE(rs->Texte(QStringLiteral("Nom")), QStringLiteral("F%1").arg(i));
            if (i == 500) {
                QCOMPARE(rs->Texte(QStringLiteral("matricd2")), QStringLiteral("M500"));
                // Another recordset changes a row further on and deletes the next one.
                autre->AllerA(rs->Cle() + 10);
                autre->Edit();
                autre->SetValue(QStringLiteral("Sortie"), 9999);
                autre->Update();
                autre->AllerA(rs->Cle() + 1);
                autre->Delete();
                ++i; // the deleted row is not walked
            }
            if (i == 510) QCOMPARE(rs->Value(QStringLiteral("Sortie")).toLongLong(), 9999);
            if (i > 500 && i % 97 == 0)
                QCOMPARE(rs->Texte(QStringLiteral("MatriCD2")), QStringLiteral("M%1").arg(i));
            if (i == 700) {
                rs->Edit();
                rs->SetValue(QStringLiteral("Nom"), QStringLiteral("F700"));
                rs->Update();
            }
        }
        QCOMPARE(i, 1200);
        QCOMPARE(rs->RecordCount(), 1200); // this recordset did not delete anything itself
    }

    void fermetureAvecTableOuverte() {
        auto db = nouvelleBase(QStringLiteral("ferme.MDB"));
        ajouter(*db, QStringLiteral("A"));
        auto rs = db->ouvrirTable(QStringLiteral("Film"));
        db->fermer();
        QVERIFY(!rs->estOuvert());
        QVERIFY_THROWS_EXCEPTION(ErreurBase, rs->MoveNext());
        // The file is free: it can be removed and a plain file is all that is left.
        QVERIFY(!QFile::exists(chemin(QStringLiteral("ferme.MDB-journal"))));
        QVERIFY(QFile::remove(chemin(QStringLiteral("ferme.MDB"))));
    }

    void ouverturesRefusees() {
        try {
            Database::ouvrir(chemin(QStringLiteral("absent.MDB")));
            QFAIL("a missing file must not open");
        } catch (const ErreurBase& e) {
            QCOMPARE(e.genre(), ErreurBase::Genre::FichierAbsent);
        }
        QVERIFY(!QFile::exists(chemin(QStringLiteral("absent.MDB"))));

        QFile texte(chemin(QStringLiteral("texte.MDB")));
        QVERIFY(texte.open(QIODevice::WriteOnly));
        texte.write("ceci n'est pas une base de données, mais un fichier de texte assez long\n");
        texte.close();
        try {
            Database::ouvrir(texte.fileName());
            QFAIL("a text file must not open");
        } catch (const ErreurBase& e) {
            QCOMPARE(e.genre(), ErreurBase::Genre::PasUneBase);
        }

        // A SQLite database of another program.
        sqlite3* autre = nullptr;
        QVERIFY(sqlite3_open(QFile::encodeName(chemin(QStringLiteral("autre.MDB"))).constData(), &autre) ==
                SQLITE_OK);
        sqlite3_exec(autre, "CREATE TABLE t(x)", nullptr, nullptr, nullptr);
        sqlite3_close(autre);
        try {
            Database::ouvrir(chemin(QStringLiteral("autre.MDB")));
            QFAIL("another program's database must not open");
        } catch (const ErreurBase& e) {
            QCOMPARE(e.genre(), ErreurBase::Genre::PasUneBase);
        }
    }

    void compactageSurFichierExistantRefuse() {
        auto db = nouvelleBase(QStringLiteral("src.MDB"));
        ajouter(*db, QStringLiteral("A"));
        db->fermer();
        QFile cible(chemin(QStringLiteral("cible.MDB")));
        QVERIFY(cible.open(QIODevice::WriteOnly));
        cible.write("x");
        cible.close();
        try {
            Database::compacter(chemin(QStringLiteral("src.MDB")), cible.fileName());
            QFAIL("compaction onto an existing file must be refused");
        } catch (const ErreurBase& e) {
            QCOMPARE(e.genre(), ErreurBase::Genre::FichierExiste);
        }
        QCOMPARE(cible.size(), 1);
    }

    void remplacementApresEcritureTuee_data() {
        QTest::addColumn<bool>("ancienGarde");
        QTest::newRow("journal chaud de l'ancien fichier") << true;
        QTest::newRow("journal laisse seul") << false;
    }

    // A crash mid-write leaves the old file's journal: the file put in its place never gets it.
    void remplacementApresEcritureTuee() {
        QFETCH(bool, ancienGarde);
        const QString nom = QStringLiteral("remplace%1.MDB").arg(ancienGarde);
        const QString ancien = chemin(nom);
        auto vieux = nouvelleBase(nom);
        for (const char* n : {"A", "B", "C"})
            ajouter(*vieux, QString::fromLatin1(n));
        vieux->fermer();
        QVERIFY(vidora_test::tuerEnPleineEcriture(ancien));
        if (!ancienGarde) QVERIFY(QFile::remove(ancien));
        auto neuf = nouvelleBase(nom + QStringLiteral(".tmp"));
        ajouter(*neuf, QStringLiteral("N"));
        neuf->fermer();
        QFile f(chemin(nom + QStringLiteral(".tmp")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        f.close();

        remplacerFichierBase(f.fileName(), ancien);
        QVERIFY(!QFile::exists(f.fileName()));
        // Exactly the new file, before and after its first open.
        QCOMPARE(noms(*Database::ouvrir(ancien)), QStringList{"N"});
        QFile remplace(ancien);
        QVERIFY(remplace.open(QIODevice::ReadOnly));
        QVERIFY(remplace.readAll() == octets);
        QVERIFY(!QFile::exists(vidora_test::journal(ancien)));
    }

    void echecsDuMoteurEnFrancais_data() {
        QTest::addColumn<QString>("cas");
        for (const char* c : {"lecture seule", "disque plein", "verrouillee", "endommagee", "table manquante",
                              "champ manquant", "fichier absent"})
            QTest::newRow(c) << QString::fromUtf8(c);
    }

    // Whatever the engine meets, the operator reads one French sentence naming the file.
    void echecsDuMoteurEnFrancais() {
        QFETCH(QString, cas);
        const QString nom = QStringLiteral("CLUB %1.MDB").arg(QTest::currentDataTag());
        auto db = nouvelleBase(nom);
        ajouter(*db, QStringLiteral("A"));
        sqlite3* autre = nullptr;
        QString message;
        try {
            if (cas == QLatin1String("lecture seule")) {
                db->executer("PRAGMA query_only=1");
                ajouter(*db, QStringLiteral("B"));
            } else if (cas == QLatin1String("disque plein")) {
                db->executer("PRAGMA max_page_count=1"); // no page more than it holds
                db->creerTable({QStringLiteral("Autre"), {{QStringLiteral("X"), TypeChamp::Long, 0}}});
            } else if (cas == QLatin1String("verrouillee")) {
                sqlite3_busy_timeout(db->handle(), 0);
                sqlite3_open(QFile::encodeName(chemin(nom)).constData(), &autre);
                sqlite3_exec(autre, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
                ajouter(*db, QStringLiteral("B"));
            } else if (cas == QLatin1String("endommagee")) {
                {
                    Transaction tr(*db);
                    for (int i = 0; i < 300; ++i)
                        ajouter(*db, QStringLiteral("RANG%1").arg(i));
                    tr.valider();
                }
                db->fermer();
                QFile f(chemin(nom));
                QVERIFY(f.open(QIODevice::ReadWrite));
                f.seek(4096);
                f.write(QByteArray(f.size() - 4096, '\x5a'));
                f.close();
                noms(*Database::ouvrir(chemin(nom)));
            } else if (cas == QLatin1String("table manquante")) {
                db->ouvrirTable(QStringLiteral("Absente"));
            } else if (cas == QLatin1String("champ manquant")) {
                db->ouvrirTable(QStringLiteral("Film"))->Texte(QStringLiteral("Absent"));
            } else {
                db->fermer();
                QFile::remove(chemin(nom));
                Database::ouvrir(chemin(nom));
            }
            QFAIL("the engine should have failed");
        } catch (const ErreurBase& e) {
            message = e.message();
        }
        sqlite3_close(autre);
        QVERIFY2(message.contains(nom), qPrintable(message));
        for (const char* anglais : {"database", "disk", "attempt", "lock", "malformed", "no such", "error"})
            QVERIFY2(!message.contains(QLatin1String(anglais), Qt::CaseInsensitive), qPrintable(message));
    }

    void valeursLieesJamaisCollees() {
        auto db = nouvelleBase(QStringLiteral("inj.MDB"));
        ajouter(*db, QStringLiteral("'; DROP"));
        QCOMPARE(noms(*db), QStringList({"'; DROP"}));
        QVERIFY(db->aTable(QStringLiteral("Film")));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
