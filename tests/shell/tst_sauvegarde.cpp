// Backup and restore from the main menu's "Sauvegarde", checked on the files and the databases.
#include "Banc.h"

#include "common/Contexte.h"
#include "common/TexteFichier.h"
#include "shell/FrmDepart.h"
#include "shell/FrmSauvegarde.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

void ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void ajouterFilm(const QString& base, const QString& titre) {
    auto db = Database::ouvrir(base);
    auto cd = db->ouvrirTable("CD");
    cd->AddNew();
    cd->SetValue("Nom", titre);
    cd->Update();
}

// Every row of every table, in table order.
QStringList lignes(const QString& base) {
    QStringList r;
    auto db = Database::ouvrir(base);
    for (const QString& t : db->tables()) {
        auto rs = db->ouvrirTable(t);
        for (; !rs->EOF_(); rs->MoveNext()) {
            QString l = t;
            for (const DefChamp& c : rs->definition().champs)
                l += '|' + rs->Texte(c.nom);
            r << l;
        }
    }
    return r;
}

FrmSauvegarde* ouvrir(Banc& b) {
    FrmDepart* d = b.connecter();
    if (!d || !choisirMenu(d, "Sauve")) return nullptr;
    return b.fenetre<FrmSauvegarde>();
}

void viser(FrmSauvegarde* s, const QString& dossier) {
    s->Text1->selectAll();
    taper(s->Text1, dossier);
}

bool baseOuverte() {
    return ctx().BaseEnCours && ctx().BaseEnCours->estOuverte() &&
           ctx().BaseEnCours->chemin() == ctx().CheminBase;
}

} // namespace

class TestSauvegarde : public QObject {
    Q_OBJECT
  private slots:
    void destinationsRefusees_data();
    void destinationsRefusees();
    void sauvegardePuisRestauration();
    void panne_data();
    void panne();
};

void TestSauvegarde::destinationsRefusees_data() {
    QTest::addColumn<QString>("dossier"); // relative to the application folder
    QTest::newRow("le dossier du programme") << ".";
    QTest::newRow("un de ses sous-dossiers") << "Images/copie";
    QTest::newRow("un dossier qui le contient") << "..";
    QTest::newRow("texte trop court") << "";
}

void TestSauvegarde::destinationsRefusees() {
    QFETCH(QString, dossier);
    Banc b;
    b.creerBase();
    FrmSauvegarde* s = ouvrir(b);
    QVERIFY(s);
    b.messages();
    viser(s, dossier.isEmpty() ? "/" : QDir::cleanPath(b.dossier() + '/' + dossier));
    QVERIFY(choisirMenu(s, "Sauve"));
    QVERIFY(b.messages().startsWith("LA SAUVEGARDE NE PEUT") || dossier.isEmpty());
    QVERIFY(!QFile::exists(b.chemin("Images/copie")));
    QVERIFY(baseOuverte());
    QVERIFY(entreeDisponible(s, "Sauve") && entreeDisponible(s, "Qite"));
}

void TestSauvegarde::sauvegardePuisRestauration() {
    Banc b;
    const QString club = b.creerBase("CLUB.MDB");
    const QString autre = b.creerBase("autre.mdb");
    ajouterFilm(club, "ALIEN");
    ajouterFilm(autre, "BRAZIL");
    ecrire(b.chemin("Rappel.let"), "Cher <<LIVRE>>\r\n\xE9t\xE9");
    ecrire(b.chemin("Code"), "A1\r\n");
    ecrire(b.chemin("Images/ALIEN.BMP"), QByteArray(5000, 'a'));
    ecrire(b.chemin("Images/BRAZIL.BMP"), QByteArray(300, 'b'));

    // A folder that was a backup, beside files that are none of ours.
    QTemporaryDir ailleurs;
    const QString dest = ailleurs.filePath("cles/club");
    ecrire(dest + "/Sauve.ser", "01/01/2020\r\n");
    ecrire(dest + "/VIEUX.MDB", "ancienne base");
    ecrire(dest + "/Images/VIEUX.BMP", "ancienne image");
    ecrire(dest + "/notes.txt", "a garder");
    ecrire(dest + "/Images/dessin.png", "a garder aussi");
    ecrire(dest + "/photos/VIEUX.BMP", "sous-dossier");

    FrmSauvegarde* s = ouvrir(b);
    QVERIFY(s);
    QVERIFY(s->Label2->text().startsWith("PREMIERE SAUVEGARDE 08/12/2026"));
    QCOMPARE(s->dossierDir1(), QDir::homePath());
    viser(s, dest);
    QVERIFY(choisirMenu(s, "Sauve"));
    QCOMPARE(b.messages(), QString());
    QCOMPARE(s->Text1->text(), QString("C'EST FINI"));
    QVERIFY(baseOuverte());
    QVERIFY(!entreeDisponible(s, "Sauve") && entreeDisponible(s, "Qite"));
    QCOMPARE(QDir(dest).entryList(QDir::Files, QDir::Name),
             (QStringList{"CLUB.MDB", "Rappel.let", "Sauve.ser", "autre.mdb", "notes.txt"}));
    QCOMPARE(QDir(dest + "/Images").entryList(QDir::Files, QDir::Name),
             (QStringList{"ALIEN.BMP", "BRAZIL.BMP"}));
    QCOMPARE(lire(dest + "/photos/VIEUX.BMP"), QByteArray("sous-dossier"));
    QCOMPARE(*LireLignes(dest + "/Sauve.ser"),
             (QStringList{"08/12/2026", dest.left(3), dest.mid(3), b.dossier()}));
    const QStringList clubAvant = lignes(club), autreAvant = lignes(autre);
    const QByteArray lettre = lire(b.chemin("Rappel.let")), image = lire(b.chemin("Images/ALIEN.BMP"));
    QVERIFY(choisirMenu(s, "Qite"));

    // Changes after the backup; the backup's record points at another folder.
    ajouterFilm(club, "CASABLANCA");
    QFile::remove(b.chemin("Images/ALIEN.BMP"));
    ecrire(b.chemin("Rappel.let"), "autre");
    QTemporaryDir cible;
    auto fiche = *LireLignes(dest + "/Sauve.ser");
    fiche[3] = cible.path();
    QVERIFY(EcrireLignes(dest + "/Sauve.ser", fiche));

    s = b.fenetre<FrmSauvegarde>();
    QVERIFY(!s);
    QVERIFY(choisirMenu(b.fenetre<FrmDepart>(), "Sauve"));
    s = b.fenetre<FrmSauvegarde>();
    QVERIFY(s->Label2->text().startsWith("DERNIERE SAUVEGARDE"));
    QCOMPARE(s->Text1->text(), dest);
    QVERIFY(choisirMenu(s, "Restor"));
    QCOMPARE(b.messages(), QString());
    QVERIFY(!b.fenetre<FrmSauvegarde>());
    QVERIFY(b.fenetre<FrmDepart>()->isEnabled());
    QVERIFY(baseOuverte());
    QCOMPARE(lignes(club), clubAvant);
    QCOMPARE(lignes(autre), autreAvant);
    QCOMPARE(lire(b.chemin("Rappel.let")), lettre);
    QCOMPARE(lire(b.chemin("Images/ALIEN.BMP")), image);
    QCOMPARE(QDir(cible.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestSauvegarde::panne_data() {
    QTest::addColumn<QString>("entree");
    QTest::newRow("sauvegarde") << "Sauve";
    QTest::newRow("restauration") << "Restor";
}

void TestSauvegarde::panne() {
    QFETCH(QString, entree);
    Banc b;
    b.creerBase();
    QTemporaryDir ailleurs;
    FrmSauvegarde* s = ouvrir(b);
    QVERIFY(s);
    viser(s, ailleurs.path());
    QVERIFY(choisirMenu(s, "Sauve"));
    QVERIFY(choisirMenu(s, "Qite"));
    QVERIFY(choisirMenu(b.fenetre<FrmDepart>(), "Sauve"));
    s = b.fenetre<FrmSauvegarde>();
    b.messages();

    b.env().panneA = "copie-sauvegarde";
    QVERIFY(choisirMenu(s, entree));
    QVERIFY2(b.messages().contains("CLUB.MDB"), "the message names the file");
    QVERIFY(baseOuverte());
    QVERIFY(b.fenetre<FrmSauvegarde>());
    QVERIFY(choisirMenu(s, "Qite"));
    QVERIFY(!b.fenetre<FrmSauvegarde>() && b.fenetre<FrmDepart>()->isEnabled());
}

QTEST_MAIN(TestSauvegarde)
#include "tst_sauvegarde.moc"
