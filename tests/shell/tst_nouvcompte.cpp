// "CREATION DE BASE", driven as the operator drives it: from an empty folder at start, or from the
// main menu's "Créer une Base" beside an existing database.
#include "Banc.h"
#include "EcritureTuee.h"

#include "common/Contexte.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "shell/FrmDepart.h"
#include "shell/FrmNouvCompte.h"
#include "shell/FrmParamettre.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>
#include <unistd.h>

using namespace vidora;
using namespace vidora_test;

namespace {

QStringList fichiers(const Banc& b) {
    return QDir(b.dossier()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString nomDuClub(const QString& chemin) {
    auto db = Database::ouvrir(chemin);
    auto rs = db->ouvrirTable("Para");
    return rs->Texte("Nom");
}

// An existing database that a new one can be told apart from.
QString baseAncienne(Banc& b, const QString& nom) {
    const QString chemin = b.creerBase(nom);
    auto db = Database::ouvrir(chemin);
    auto rs = db->ouvrirTable("Para");
    rs->Edit();
    rs->SetValue("Nom", "ANCIEN");
    rs->Update();
    return chemin;
}

// Every row of every table, in table order, and whether SQLite finds the file whole.
QStringList toutLeContenu(const QString& chemin) {
    auto db = Database::ouvrir(chemin);
    QStringList lignes;
    for (const QString& t : db->tables()) {
        auto rs = db->ouvrirTable(t);
        for (; !rs->Fin(); rs->MoveNext()) {
            QStringList champs{t};
            for (const DefChamp& c : rs->definition().champs)
                champs << rs->Texte(c.nom);
            lignes << champs.join('|');
        }
    }
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db->handle(), "PRAGMA integrity_check", -1, &st, nullptr);
    if (sqlite3_step(st) == SQLITE_ROW)
        lignes << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return lignes;
}

// The window as "Créer une Base" of the main menu opens it.
FrmNouvCompte* ouvrirParLeMenu(Banc& b) {
    FrmDepart* d = b.demarrer();
    if (!d || !choisirMenu(d, "Creer")) return nullptr;
    return b.fenetre<FrmNouvCompte>();
}

} // namespace

class TestNouvCompte : public QObject {
    Q_OBJECT
  private slots:
    void premierDemarrage();
    void regleDuNom_data();
    void regleDuNom();
    void nomsRefuses_data();
    void nomsRefuses();
    void existanteNonGardeLeFichier();
    void existanteOuiRemplace();
    void existanceSansRegardALaCasse();
    void existanteApresEcritureTuee();
    void echecDeCreation_data();
    void echecDeCreation();
    void dossierEnLectureSeule();
    void dossierImages();
    void annuler();
};

void TestNouvCompte::premierDemarrage() {
    Banc b;
    b.demarrer();
    QVERIFY(!b.fenetre<FrmDepart>());
    auto* f = b.fenetre<FrmNouvCompte>();
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QString("CREATION DE BASE"));

    taper(f->caseNom, "club");
    QCOMPARE(f->caseNom->text(), QString("CLUB"));
    taper(f->caseNom, "", true);
    QVERIFY(!b.fenetre<FrmNouvCompte>());
    auto* p = b.fenetre<FrmParamettre>();
    QVERIFY(p);
    QCOMPARE(p->caseParametre[0]->text(), QString("Lunvel"));
    QCOMPARE(fichiers(b), QStringList{"CLUB.MDB"});
    QVERIFY(b.env().messages.isEmpty());

    QVERIFY(choisirMenu(p, "Enregis"));
    QVERIFY(!b.fenetre<FrmParamettre>());
    FrmDepart* d = b.fenetre<FrmDepart>();
    QVERIFY(d);
    QVERIFY(d->listeBases->isVisible());
    QCOMPARE(d->listeBases->count(), 1);
    QCOMPARE(d->listeBases->item(0)->text(), QString("CLUB.MDB"));
    QVERIFY(!entreeDisponible(d, "Para"));

    QVERIFY(b.connecter("CLUB.MDB"));
    QVERIFY(b.env().messages.isEmpty());
    for (const char* n : {"Abon", "Film", "Depo", "Base", "Para", "Change"})
        QVERIFY2(entreeDisponible(d, QString::fromLatin1(n)), n);
    QCOMPARE(d->valeurNombreFilms->text(), QString("0 FILMS"));
}

void TestNouvCompte::regleDuNom_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("fichier");
    QTest::newRow("sans point") << "club"
                                << "CLUB.MDB";
    QTest::newRow("deja MDB") << "CLUB.MDB"
                              << "CLUB.MDB";
    QTest::newRow("mdb tape en minuscules") << "club.mdb"
                                            << "CLUB.MDB";
    QTest::newRow("autre extension") << "CLUB.DAT"
                                     << "CLUB.MDB";
    QTest::newRow("point final") << "CLUB."
                                 << "CLUB.MDB";
    QTest::newRow("deux points") << "A.B.MDB"
                                 << "A.MDB";
    QTest::newRow("blanc interieur") << "MON CLUB"
                                     << "MON CLUB.MDB";
    QTest::newRow("accent") << "vidéo"
                            << "VIDÉO.MDB";
    QTest::newRow("19 caracteres") << "ABCDEFGHIJKLMNOPQRS"
                                   << "ABCDEFGHIJKLMNOPQRS.MDB";
    QTest::newRow("20 tapes, 19 pris") << "ABCDEFGHIJKLMNOPQRST"
                                       << "ABCDEFGHIJKLMNOPQRS.MDB";
}

void TestNouvCompte::regleDuNom() {
    QFETCH(QString, tape);
    QFETCH(QString, fichier);
    Banc b;
    b.demarrer();
    auto* f = b.fenetre<FrmNouvCompte>();
    QVERIFY(f);
    taper(f->caseNom, tape, true);
    QCOMPARE(fichiers(b), QStringList{fichier});
    QVERIFY(b.env().messages.isEmpty());
    QVERIFY(b.env().questions.empty());
    QVERIFY(b.fenetre<FrmParamettre>());
    QCOMPARE(ctx().NomBase, fichier);
    QCOMPARE(ctx().base().chemin(), b.chemin(fichier));
}

void TestNouvCompte::nomsRefuses_data() {
    QTest::addColumn<QString>("nom");
    QTest::newRow("vide") << "";
    QTest::newRow("blancs") << "   ";
    QTest::newRow("rien avant le point") << ".DAT";
    QTest::newRow("blancs avant le point") << "  .MDB";
    for (const char* c : {"/", "\\", ":", "*", "?", "\"", "<", ">", "|"})
        QTest::newRow(qPrintable(QString("caractere %1").arg(QLatin1String(c))))
            << QString("A%1B").arg(QLatin1String(c));
}

void TestNouvCompte::nomsRefuses() {
    QFETCH(QString, nom);
    Banc b;
    baseAncienne(b, "CLUB.MDB");
    const QStringList avant = fichiers(b);
    auto* f = ouvrirParLeMenu(b);
    QVERIFY(f);
    taper(f->caseNom, nom);
    cliquer(f->boutonCreer);

    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY(!b.env().messages.first().texte.isEmpty());
    QVERIFY(b.env().questions.empty());
    QCOMPARE(fichiers(b), avant);
    QCOMPARE(b.fenetre<FrmNouvCompte>(), f);
    QVERIFY(f->boutonCreer->isEnabled());
    QVERIFY(f->boutonAnnuler->isEnabled());
    QVERIFY(!b.fenetre<FrmParamettre>());
}

void TestNouvCompte::existanteNonGardeLeFichier() {
    Banc b;
    const QString chemin = baseAncienne(b, "CLUB.MDB");
    const QByteArray octets = contenu(chemin);
    auto* f = ouvrirParLeMenu(b);
    QVERIFY(f);
    taper(f->caseNom, "club.dat", true);

    QCOMPARE(int(b.env().questions.size()), 1);
    QCOMPARE(b.env().questions.front().texte, QString("Ecraser Oui/Non"));
    QCOMPARE(b.env().questions.front().titre, QString("CETTE BASE EXISTE DEJA"));
    // A double Enter keeps the club's database.
    QVERIFY(b.env().questions.front().nonParDefaut);
    QCOMPARE(contenu(chemin), octets);
    QCOMPARE(fichiers(b), QStringList{"CLUB.MDB"});
    QCOMPARE(b.fenetre<FrmNouvCompte>(), f);
    QCOMPARE(f->caseNom->text(), QString("CLUB.DAT"));
    QVERIFY(f->boutonCreer->isEnabled());
    QVERIFY(f->boutonAnnuler->isEnabled());
    QVERIFY(!b.fenetre<FrmParamettre>());
    QVERIFY(b.env().messages.isEmpty());
}

void TestNouvCompte::existanteOuiRemplace() {
    Banc b;
    const QString chemin = baseAncienne(b, "CLUB.MDB");
    QFile image(b.chemin("Images/ALIEN.BMP"));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write("BM");
    image.close();
    // The database to be replaced is the current one.
    FrmDepart* d = b.connecter("CLUB.MDB");
    QVERIFY(d);
    QVERIFY(choisirMenu(d, "Creer"));
    auto* f = b.fenetre<FrmNouvCompte>();
    QVERIFY(f);
    b.env().reponses = {true};
    taper(f->caseNom, "club", true);

    QCOMPARE(int(b.env().questions.size()), 1);
    QVERIFY(b.env().messages.isEmpty());
    QCOMPARE(fichiers(b), QStringList{"CLUB.MDB"});
    QCOMPARE(nomDuClub(chemin), QString("Lunvel"));
    QCOMPARE(ctx().base().chemin(), chemin);
    auto* p = b.fenetre<FrmParamettre>();
    QVERIFY(p);
    QCOMPARE(p->caseParametre[0]->text(), QString("Lunvel"));
    QVERIFY(QFile::exists(b.chemin("Images/ALIEN.BMP")));
}

void TestNouvCompte::existanceSansRegardALaCasse() {
    Banc b;
    baseAncienne(b, "club.mdb");
    auto* f = ouvrirParLeMenu(b);
    QVERIFY(f);
    b.env().reponses = {true};
    taper(f->caseNom, "Club", true);

    QCOMPARE(int(b.env().questions.size()), 1);
    QCOMPARE(fichiers(b), QStringList{"CLUB.MDB"});
    QCOMPARE(nomDuClub(b.chemin("CLUB.MDB")), QString("Lunvel"));
}

// A crash in the middle of a write leaves the old file's journal: the new database never gets it.
void TestNouvCompte::existanteApresEcritureTuee() {
    Banc b;
    const QString chemin = baseAncienne(b, "CLUB.MDB");
    QVERIFY(tuerEnPleineEcriture(chemin));
    QTemporaryDir ailleurs;
    {
        auto db = Database::creer(ailleurs.filePath("DEFAUT.MDB"));
        CreerSchema(*db);
    }
    auto* f = ouvrirParLeMenu(b);
    QVERIFY(f);
    b.env().reponses = {true};
    taper(f->caseNom, "club", true);

    QVERIFY(b.env().messages.isEmpty());
    QVERIFY(b.fenetre<FrmParamettre>());
    QCOMPARE(fichiers(b), QStringList{"CLUB.MDB"});
    const QStringList contenu = toutLeContenu(chemin);
    QCOMPARE(contenu, toutLeContenu(ailleurs.filePath("DEFAUT.MDB")));
    QCOMPARE(contenu.last(), QString("ok"));
}

void TestNouvCompte::echecDeCreation_data() {
    QTest::addColumn<bool>("existante");
    QTest::newRow("remplacement de la base en cours") << true;
    QTest::newRow("nouvelle base") << false;
}

void TestNouvCompte::echecDeCreation() {
    QFETCH(bool, existante);
    Banc b;
    baseAncienne(b, "AUTRE.MDB");
    const QString chemin = b.chemin("CLUB.MDB");
    if (existante) baseAncienne(b, "CLUB.MDB");
    const QByteArray octets = contenu(chemin);
    const QStringList avant = fichiers(b);
    FrmDepart* d = b.connecter(existante ? "CLUB.MDB" : "AUTRE.MDB");
    QVERIFY(d);
    QVERIFY(choisirMenu(d, "Creer"));
    auto* f = b.fenetre<FrmNouvCompte>();
    QVERIFY(f);

    b.env().panneA = "creation-base";
    b.env().reponses = {true};
    taper(f->caseNom, "club", true);
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY(!b.env().messages.first().texte.isEmpty());
    QCOMPARE(fichiers(b), avant);
    QCOMPARE(contenu(chemin), octets);
    QCOMPARE(b.fenetre<FrmNouvCompte>(), f);
    QVERIFY(f->boutonCreer->isEnabled());
    QVERIFY(f->boutonAnnuler->isEnabled());
    QVERIFY(!b.fenetre<FrmParamettre>());

    // The window is usable again: the next try goes through.
    b.env().panneA.clear();
    b.env().reponses = {true};
    cliquer(f->boutonCreer);
    QVERIFY(b.fenetre<FrmParamettre>());
    QCOMPARE(nomDuClub(chemin), QString("Lunvel"));
    QCOMPARE(nomDuClub(b.chemin("AUTRE.MDB")), QString("ANCIEN"));
}

void TestNouvCompte::dossierEnLectureSeule() {
    if (geteuid() == 0) QSKIP("root writes into a read-only folder");
    Banc b;
    const QString chemin = baseAncienne(b, "CLUB.MDB");
    const QByteArray octets = contenu(chemin);
    auto* f = ouvrirParLeMenu(b);
    QVERIFY(f);
    QFile::setPermissions(b.dossier(), QFile::ReadOwner | QFile::ExeOwner);
    b.env().reponses = {true};
    taper(f->caseNom, "club", true);
    QFile::setPermissions(b.dossier(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(b.env().messages.size(), 1);
    QCOMPARE(fichiers(b), QStringList{"CLUB.MDB"});
    QCOMPARE(contenu(chemin), octets);
    QVERIFY(f->boutonCreer->isEnabled());
    QVERIFY(f->boutonAnnuler->isEnabled());
}

void TestNouvCompte::dossierImages() {
    Banc b;
    QVERIFY(QDir(b.chemin("Images")).removeRecursively());
    b.demarrer();
    auto* f = b.fenetre<FrmNouvCompte>();
    QVERIFY(f);
    taper(f->caseNom, "club");
    cliquer(f->boutonCreer);
    QVERIFY(QFileInfo(b.chemin("Images")).isDir());
    QFile image(b.chemin("Images/ALIEN.BMP"));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write("BM");
    image.close();

    // A second creation with "Images" already there.
    QVERIFY(choisirMenu(b.fenetre<FrmParamettre>(), "retour"));
    QVERIFY(choisirMenu(b.fenetre<FrmDepart>(), "Creer"));
    f = b.fenetre<FrmNouvCompte>();
    QVERIFY(f);
    taper(f->caseNom, "autre");
    cliquer(f->boutonCreer);
    QVERIFY(b.env().messages.isEmpty());
    QVERIFY(b.fenetre<FrmParamettre>());
    QCOMPARE(fichiers(b), (QStringList{"AUTRE.MDB", "CLUB.MDB"}));
    QCOMPARE(contenu(b.chemin("Images/ALIEN.BMP")), QByteArray("BM"));
}

void TestNouvCompte::annuler() {
    {
        Banc b;
        baseAncienne(b, "CLUB.MDB");
        auto* f = ouvrirParLeMenu(b);
        QVERIFY(f);
        taper(f->caseNom, "autre");
        cliquer(f->boutonAnnuler);
        QVERIFY(!b.fenetre<FrmNouvCompte>());
        FrmDepart* d = b.fenetre<FrmDepart>();
        QVERIFY(d);
        QVERIFY(d->listeBases->isVisible());
        QCOMPARE(fichiers(b), QStringList{"CLUB.MDB"});
    }
    {
        // With no database at all the main window hands over again at once.
        Banc b;
        b.demarrer();
        auto* f = b.fenetre<FrmNouvCompte>();
        QVERIFY(f);
        cliquer(f->boutonAnnuler);
        QVERIFY(!b.fenetre<FrmDepart>());
        auto* g = b.fenetre<FrmNouvCompte>();
        QVERIFY(g);
        QVERIFY(g->caseNom->text().isEmpty());
        QVERIFY(fichiers(b).isEmpty());
    }
}

QTEST_MAIN(TestNouvCompte)
#include "tst_nouvcompte.moc"
