// Backup and restore from the main menu's "Sauvegarde", checked on the files and the databases.
#include "Banc.h"
#include "EcritureTuee.h"

#include "common/Contexte.h"
#include "common/TexteFichier.h"
#include "shell/FrmDepart.h"
#include "shell/FrmSauvegarde.h"
#include "shell/Installation.h"
#include "shell/MDIForm1.h"
#include "shell/Sauvegarde.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

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
        for (; !rs->Fin(); rs->MoveNext()) {
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
    s->caseDossier->selectAll();
    taper(s->caseDossier, dossier);
}

// Every file under a folder, hidden ones included, with its bytes.
QMap<QString, QByteArray> fichiers(const QString& dossier) {
    QMap<QString, QByteArray> m;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        m[QDir(dossier).relativeFilePath(f)] = lire(f);
    }
    return m;
}

// A small file system of its own (only root may make one), taken away at the end of the test.
struct Montage {
    QTemporaryDir dossier;
    bool fait;
    explicit Montage(const char* options)
        : fait(getuid() == 0 &&
               mount("tmpfs", QFile::encodeName(dossier.path()).constData(), "tmpfs", 0, options) == 0) {}
    ~Montage() {
        if (fait) umount2(QFile::encodeName(dossier.path()).constData(), MNT_DETACH);
    }
};

// A backup through the window into a folder; false when it did not end on "C'EST FINI".
bool sauvegarderVers(Banc& b, const QString& dossier) {
    FrmSauvegarde* s = b.fenetre<FrmSauvegarde>();
    if (!s && (!choisirMenu(b.fenetre<FrmDepart>(), "Sauve") || !(s = b.fenetre<FrmSauvegarde>())))
        return false;
    viser(s, dossier);
    const bool fini = choisirMenu(s, "Sauve") && s->caseDossier->text() == "C'EST FINI";
    return choisirMenu(s, "Qite") && fini;
}

// The child of a killed backup: a backup that waits to be killed at the n-th pass of a step.
const char* const kTuee = "VIDORA_SAUVEGARDE_TUEE";

class Arret : public Environnement {
  public:
    QString etape;
    int reste = 0;
    void pointDeControle(const char* e) override {
        if (etape == QLatin1String(e) && --reste == 0) enfantPret();
    }
};

void enfantSauvegarde() {
    const QStringList a = qEnvironmentVariable(kTuee).split('\n'); // appli, destination, step, count
    auto e = std::make_unique<Arret>();
    e->etape = a[2];
    e->reste = a[3].toInt();
    installerEnvironnement(std::move(e));
    if (a.value(4) == "restauration") // then: appli, backup, step, count
        Restaurer(a[1], a[0], [](const QString&, int, int) {});
    else
        Sauvegarder(a[0], a[1], {"09/12/2026", a[1].left(3), a[1].mid(3), a[0]},
                    [](const QString&, int, int) {});
    _exit(5);
}

// The club a folder holds: the rows of its databases, the bytes of its other files.
QMap<QString, QByteArray> club(const QString& dossier) {
    QMap<QString, QByteArray> m = fichiers(dossier);
    for (auto it = m.begin(); it != m.end(); ++it)
        if (it.key().endsWith(".MDB", Qt::CaseInsensitive))
            it.value() = lignes(dossier + '/' + it.key()).join('\n').toUtf8();
    return m;
}

bool copierDossier(const QString& source, const QString& cible) {
    return QProcess::execute("cp", {"-a", source, cible}) == 0;
}

const Avancement rien = [](const QString&, int, int) {};

bool baseOuverte() {
    return ctx().BaseEnCours && ctx().BaseEnCours->estOuverte() &&
           ctx().BaseEnCours->chemin() == ctx().CheminBase;
}

} // namespace

class TestSauvegarde : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsSet(kTuee)) enfantSauvegarde();
    }
    void destinationsRefusees_data();
    void destinationsRefusees();
    void dossierHorsWindows1252();
    void sauvegardePuisRestauration();
    void panne_data();
    void panne();
    void sauvegardeTuee_data();
    void sauvegardeTuee();
    void changementDeVolume();

    void init();
    void cadreFermePendantLaCopie_data();
    void cadreFermePendantLaCopie();
    void autreClub_data();
    void autreClub();
    void dossierParAccessibilite_data();
    void dossierParAccessibilite();
    void copieTueeAChaqueEtape_data();
    void copieTueeAChaqueEtape();
    void restaurationSansEcrireLaSauvegarde_data();
    void restaurationSansEcrireLaSauvegarde();

  private:
    std::unique_ptr<QTemporaryDir> maison_;
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
    // What an earlier version's save left when it was killed: never part of a backup.
    ecrire(b.chemin("Images/ALIEN.BMP.a1B2c3"), "moitie d'image");

    // Another club's files in the folder: the program did not write them, no backup removes them.
    QTemporaryDir ailleurs;
    const QString dest = ailleurs.filePath("cles/club");
    const QMap<QString, QByteArray> autreClub{{"VIEUX.MDB", "ancienne base"},
                                              {"Autre.let", "lettre"},
                                              {"notes.txt", "a garder"},
                                              {"rapport.travail", "a garder aussi"},
                                              {"Images/VIEUX.BMP", "ancienne image"},
                                              {"photos/VIEUX.BMP", "sous-dossier"}};
    for (auto it = autreClub.begin(); it != autreClub.end(); ++it)
        ecrire(dest + '/' + it.key(), it.value());
    // A crash in the middle of a write: the backup takes the rows as they were before it.
    const QStringList autreAvant = lignes(autre);
    QVERIFY(tuerEnPleineEcriture(autre));

    FrmSauvegarde* s = ouvrir(b);
    QVERIFY(s);
    QVERIFY(s->bandeauDerniereSauvegarde->text().startsWith("PREMIERE SAUVEGARDE 08/12/2026"));
    QCOMPARE(s->dossierListe(), QDir::homePath());
    viser(s, dest);
    QStringList progression;
    connect(s->barreProgression, &QProgressBar::valueChanged, s,
            [&](int v) { progression << QString("%1/%2").arg(v).arg(s->barreProgression->maximum()); });
    QVERIFY(choisirMenu(s, "Sauve"));
    QCOMPARE(b.messages(), QString());
    QCOMPARE(s->caseDossier->text(), QString("C'EST FINI"));
    // After the bar's reset to 0: each list counted from 0, and the bar full at the end.
    QCOMPARE(progression.mid(1), (QStringList{"1/4", "2/4", "3/4", "0/2", "1/2", "2/2"}));
    QVERIFY(baseOuverte());
    QVERIFY(!entreeDisponible(s, "Sauve") && entreeDisponible(s, "Qite"));
    QCOMPARE(QDir(dest).entryList(QDir::Files, QDir::Name),
             (QStringList{"Autre.let", "CLUB.MDB", "Rappel.let", "Sauve.lst", "Sauve.ser", "VIEUX.MDB",
                          "autre.mdb", "notes.txt", "rapport.travail"}));
    QCOMPARE(QDir(dest + "/Images").entryList(QDir::Files, QDir::Name),
             (QStringList{"ALIEN.BMP", "BRAZIL.BMP", "VIEUX.BMP"}));
    QCOMPARE(*LireLignes(dest + "/Sauve.ser"),
             (QStringList{"08/12/2026", dest.left(3), dest.mid(3), b.dossier()}));
    QCOMPARE(lignes(dest + "/autre.mdb"), autreAvant);
    QByteArray verdict;
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(dest + "/autre.mdb").constData(), &db);
    sqlite3_exec(
        db, "PRAGMA integrity_check",
        [](void* v, int, char** c, char**) { return *static_cast<QByteArray*>(v) = c[0], 0; }, &verdict,
        nullptr);
    sqlite3_close(db);
    QCOMPARE(verdict, QByteArray("ok"));
    QVERIFY(choisirMenu(s, "Qite"));

    // A second backup removes what the first wrote and this one does not bring, and nothing else.
    QFile::remove(b.chemin("Images/BRAZIL.BMP"));
    QVERIFY(sauvegarderVers(b, dest));
    QCOMPARE(QDir(dest + "/Images").entryList(QDir::Files, QDir::Name),
             (QStringList{"ALIEN.BMP", "VIEUX.BMP"}));
    for (auto it = autreClub.begin(); it != autreClub.end(); ++it)
        QCOMPARE(lire(dest + '/' + it.key()), it.value());
    const QStringList clubAvant = lignes(club);
    const QByteArray lettre = lire(b.chemin("Rappel.let")), image = lire(b.chemin("Images/ALIEN.BMP"));

    // Changes after the backup; the backup's record points at another folder.
    ajouterFilm(club, "CASABLANCA");
    QFile::remove(b.chemin("Images/ALIEN.BMP"));
    ecrire(b.chemin("Rappel.let"), "autre");
    QTemporaryDir cible;
    auto fiche = *LireLignes(dest + "/Sauve.ser");
    fiche[3] = cible.path();
    QVERIFY(!EcrireLignes(dest + "/Sauve.ser", fiche));

    s = b.fenetre<FrmSauvegarde>();
    QVERIFY(!s);
    QVERIFY(choisirMenu(b.fenetre<FrmDepart>(), "Sauve"));
    s = b.fenetre<FrmSauvegarde>();
    QVERIFY(s->bandeauDerniereSauvegarde->text().startsWith("DERNIERE SAUVEGARDE"));
    QCOMPARE(s->caseDossier->text(), dest);
    b.env().reponses = {true}; // the backup comes from another folder: restored all the same
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
    // Only what the backup wrote comes back.
    QVERIFY(!QFile::exists(b.chemin("VIEUX.MDB")) && !QFile::exists(b.chemin("Autre.let")) &&
            !QFile::exists(b.chemin("Images/VIEUX.BMP")));
}

void TestSauvegarde::panne_data() {
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("panne");
    QTest::addColumn<QString>("dit"); // what the message says
    const struct {
        const char *nom, *entree, *panne, *dit;
    } cas[] = {
        {"sauvegarde, copie en panne", "Sauve", "copie-sauvegarde", "AUTRE.MDB"},
        {"restauration, copie en panne", "Restor", "copie-sauvegarde", "AUTRE.MDB"},
        {"sauvegarde, base a l'en-tete ecrasee", "Sauve", "en-tete", "AUTRE.MDB"},
        {"sauvegarde, base tronquee", "Sauve", "tronquee", "AUTRE.MDB"},
        {"restauration, base a l'en-tete ecrasee", "Restor", "en-tete", "AUTRE.MDB"},
        {"restauration, base tronquee", "Restor", "tronquee", "AUTRE.MDB"},
        {"sauvegarde, disque plein", "Sauve", "disque", "le disque est plein"},
        {"sauvegarde, page de table endommagee", "Sauve", "page", "AUTRE.MDB"},
        {"sauvegarde, dossier a la place d'une lettre", "Sauve", "dossier", "Rappel.let"},
        {"sauvegarde, dossier a la place d'une image", "Sauve", "dossier", "Images/DUNE.BMP"},
        {"sauvegarde, images illisibles", "Sauve", "illisible", "Images"},
        {"sauvegarde, image illisible", "Sauve", "illisible", "Images/ALIEN.BMP"},
        {"restauration, liste sans base", "Restor", "liste", "AUCUNE BASE"},
    };
    for (const auto& c : cas)
        QTest::newRow(c.nom) << QString(c.entree) << QString(c.panne) << QString(c.dit);
}

// A failed backup or restore, a damaged database or a full disk: nothing changes anywhere.
void TestSauvegarde::panne() {
    QFETCH(QString, entree);
    QFETCH(QString, panne);
    QFETCH(QString, dit);
    Montage petit("size=512k");
    if (panne == "disque" && !petit.fait) QSKIP("only root can make a small file system");
    Banc b;
    b.creerBase();
    ajouterFilm(b.creerBase("AUTRE.MDB"), "BRAZIL");
    ecrire(b.chemin("Images/ALIEN.BMP"), "petite image");
    const QString dest = petit.dossier.filePath("club");
    QVERIFY(ouvrir(b));
    QVERIFY(sauvegarderVers(b, dest));
    if (panne == "disque") {
        QByteArray grande(1 << 20, Qt::Uninitialized);
        for (char& o : grande)
            o = char(QRandomGenerator::global()->generate());
        ecrire(b.chemin("Images/ALIEN.BMP"), grande);
    } else if (panne == "page") {
        // The rows' page of table CD, not the header: only the engine's check finds it.
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(b.chemin("AUTRE.MDB")).constData(), &db);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_schema WHERE name='CD'", -1, &st, nullptr);
        sqlite3_step(st);
        const int page = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(db);
        QFile f(b.chemin("AUTRE.MDB"));
        QVERIFY(page > 1 && f.open(QIODevice::ReadWrite) && f.seek(qint64(page - 1) * 4096));
        QVERIFY(f.write(QByteArray(64, '\xff')) == 64);
    } else if (panne == "dossier") {
        // The operator's own folder where a new file of the backup goes.
        ecrire(b.chemin(dit), "nouveau");
        ecrire(dest + '/' + dit + "/notes.txt", "a garder");
    } else if (panne == "illisible") {
        if (getuid() == 0) QSKIP("root reads every file");
    } else if (panne == "liste") {
        ecrire(dest + "/Sauve.lst", "");
    } else if (panne == "en-tete" || panne == "tronquee") {
        QFile f(entree == "Sauve" ? b.chemin("AUTRE.MDB") : dest + "/AUTRE.MDB");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(panne == "tronquee" ? f.resize(f.size() / 2) : f.write("pas une base !!!") == 16);
    } else {
        b.env().panneA = panne;
    }
    b.env().date = QDate(2026, 12, 9);
    const auto appli = fichiers(b.dossier()), avant = fichiers(dest);
    if (panne == "illisible") QVERIFY(QFile::setPermissions(b.chemin(dit), {}));

    QVERIFY(choisirMenu(b.fenetre<FrmDepart>(), "Sauve"));
    FrmSauvegarde* s = b.fenetre<FrmSauvegarde>();
    QVERIFY(choisirMenu(s, entree));
    if (panne == "illisible")
        QFile::setPermissions(b.chemin(dit), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString message = b.messages();
    QVERIFY2(message.contains(dit), qPrintable(message));
    QVERIFY2(message.contains("GARDE"), "the message says what was kept");
    QCOMPARE(fichiers(b.dossier()), appli);
    QCOMPARE(fichiers(dest), avant);
    QVERIFY(baseOuverte());
    QVERIFY(choisirMenu(s, "Qite"));
    QVERIFY(!b.fenetre<FrmSauvegarde>() && b.fenetre<FrmDepart>()->isEnabled());
}

void TestSauvegarde::dossierHorsWindows1252() {
    Banc b;
    b.creerBase();
    QTemporaryDir ailleurs;
    QVERIFY(QDir(ailleurs.path()).mkdir("Sauvegarde \u0141\u00F3d\u017A"));
    FrmSauvegarde* s = ouvrir(b);
    QVERIFY(s);
    const QByteArray fiche = lire(b.chemin("Sauve.ser"));
    s->setDossierListe(ailleurs.path());
    s->listeDossiers->setCurrentItem(
        s->listeDossiers->findItems("Sauvegarde \u0141\u00F3d\u017A", Qt::MatchExactly).value(0));
    QTest::keyClick(s->listeDossiers, Qt::Key_Return);
    b.messages();
    QVERIFY(choisirMenu(s, "Sauve"));
    QVERIFY(b.messages().contains("Sauve.ser"));
    QCOMPARE(fichiers(ailleurs.path()), (QMap<QString, QByteArray>{}));
    QCOMPARE(lire(b.chemin("Sauve.ser")), fiche);
}

void TestSauvegarde::sauvegardeTuee_data() {
    QTest::addColumn<QString>("etape");
    QTest::addColumn<int>("fois");
    QTest::newRow("pendant la copie") << "copie-sauvegarde" << 3;
    // Just before the swap; every later point is tried by copieTueeAChaqueEtape.
    QTest::newRow("avant la bascule") << "bascule-sauvegarde" << 1;
}

// A backup killed midway leaves the previous one usable, and the next backup cleans up after it.
void TestSauvegarde::sauvegardeTuee() {
    QFETCH(QString, etape);
    QFETCH(int, fois);
    Banc b;
    ajouterFilm(b.creerBase(), "ALIEN");
    ecrire(b.chemin("Rappel.let"), "v1");
    ecrire(b.chemin("Images/ALIEN.BMP"), "a1");
    ecrire(b.chemin("Images/BRAZIL.BMP"), "b1");
    QTemporaryDir ailleurs;
    const QString dest = ailleurs.path();
    QVERIFY(ouvrir(b));
    QVERIFY(sauvegarderVers(b, dest));
    const auto avant = fichiers(dest);
    const QStringList filmsAvant = lignes(dest + "/CLUB.MDB");
    ajouterFilm(b.chemin("CLUB.MDB"), "CASABLANCA");
    ecrire(b.chemin("Rappel.let"), "v2");
    ecrire(b.chemin("Images/ALIEN.BMP"), "a2");
    QFile::remove(b.chemin("Images/BRAZIL.BMP"));
    // What crashed copies of earlier versions left.
    for (const char* reste : {"CLUB.MDB.a1B2c3.travail", ".vidora-a1B2c3.tmp", "Images/.vidora-a1B2c3.tmp"})
        ecrire(dest + '/' + reste, "reste");

    QVERIFY(tuerEnfant(kTuee, QStringList{b.dossier(), dest, etape, QString::number(fois)}.join('\n')));
    QCOMPARE(lire(dest + "/Sauve.ser"), avant["Sauve.ser"]);
    // Every file old or new, every database readable.
    const QStringList filmsApres = lignes(dest + "/CLUB.MDB");
    QVERIFY(filmsApres == filmsAvant || filmsApres == lignes(b.chemin("CLUB.MDB")));
    for (const QString f : {"Rappel.let", "Images/ALIEN.BMP"})
        QVERIFY2(lire(dest + '/' + f) == avant[f] || lire(dest + '/' + f) == lire(b.chemin(f)),
                 qPrintable(f));
    // The record still names the previous backup: nothing of it is gone.
    QCOMPARE(lire(dest + "/Images/BRAZIL.BMP"), avant["Images/BRAZIL.BMP"]);

    QVERIFY(sauvegarderVers(b, dest));
    QCOMPARE(fichiers(dest).keys(),
             (QStringList{"CLUB.MDB", "Images/ALIEN.BMP", "Rappel.let", "Sauve.lst", "Sauve.ser"}));
    QCOMPARE(lignes(dest + "/CLUB.MDB"), lignes(b.chemin("CLUB.MDB")));
    QCOMPARE(lire(dest + "/Images/ALIEN.BMP"), QByteArray("a2"));
}

// A change of volume keeps the backup's sub-folder when the new volume has it.
void TestSauvegarde::changementDeVolume() {
    Montage autre("size=64k");
    if (!autre.fait) QSKIP("only root can make a second volume");
    Banc b;
    b.creerBase();
    QTemporaryDir ailleurs;
    const QString dest = ailleurs.filePath("cles/club");
    QVERIFY(ouvrir(b));
    QVERIFY(sauvegarderVers(b, dest));
    const QString meme =
        QDir(autre.dossier.path()).filePath(QDir(QStorageInfo(dest).rootPath()).relativeFilePath(dest));
    QVERIFY(QDir().mkpath(meme));
    QVERIFY(choisirMenu(b.fenetre<FrmDepart>(), "Sauve"));
    FrmSauvegarde* s = b.fenetre<FrmSauvegarde>();
    const int i = s->listeLecteurs->findText(autre.dossier.path());
    QVERIFY(i >= 0);
    s->listeLecteurs->setFocus();
    while (s->listeLecteurs->currentIndex() != i)
        QTest::keyClick(s->listeLecteurs, s->listeLecteurs->currentIndex() < i ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(s->caseDossier->text(), meme);
}

// Each test its own home and desktop folders: the first backup is offered in the home folder.
void TestSauvegarde::init() {
    maison_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(maison_->path()));
    for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(xdg, QFile::encodeName(maison_->filePath(xdg)));
}

void TestSauvegarde::cadreFermePendantLaCopie_data() {
    QTest::addColumn<QString>("entree");
    QTest::newRow("sauvegarde") << "Sauve";
    QTest::newRow("restoration") << "Restor";
}

// The frame closed while the files are copied: the copy ends whole and the program stays open.
void TestSauvegarde::cadreFermePendantLaCopie() {
    QFETCH(QString, entree);
    Banc b;
    ajouterFilm(b.creerBase(), "ALIEN");
    ecrire(b.chemin("Images/ALIEN.BMP"), "image");
    QTemporaryDir ailleurs;
    const QString dest = ailleurs.filePath("club");
    QVERIFY(ouvrir(b));
    if (entree == "Restor") {
        QVERIFY(sauvegarderVers(b, dest));
        ajouterFilm(b.chemin("CLUB.MDB"), "BRAZIL");
        QVERIFY(choisirMenu(b.fenetre<FrmDepart>(), "Sauve"));
    }
    FrmSauvegarde* s = b.fenetre<FrmSauvegarde>();
    viser(s, dest);
    // The close request arrives as soon as the copy lets the message loop run.
    QTimer::singleShot(0, b.cadre(), [&b] { b.cadre()->close(); });
    QVERIFY(choisirMenu(s, entree));
    Banc::traiterEvenements();
    QVERIFY(b.cadre() && b.cadre()->isVisible());
    QVERIFY(!b.messages().isEmpty());
    QVERIFY(baseOuverte());
    QCOMPARE(lignes(dest + "/CLUB.MDB"), lignes(b.chemin("CLUB.MDB")));
    QCOMPARE(lire(dest + "/Images/ALIEN.BMP"), QByteArray("image"));
    QCOMPARE(b.fenetre<FrmSauvegarde>() == s, entree == "Sauve");
    QVERIFY(entree != "Sauve" || s->caseDossier->text() == "C'EST FINI");
    // Once the copy is over the frame closes as before.
    QVERIFY(b.cadre()->close());
}

void TestSauvegarde::autreClub_data() {
    QTest::addColumn<QString>("entree");
    QTest::addColumn<bool>("oui");
    QTest::newRow("sauvegarde, Non") << "Sauve" << false;
    QTest::newRow("sauvegarde, Oui") << "Sauve" << true;
    QTest::newRow("restoration, Non") << "Restor" << false;
    QTest::newRow("restoration, Oui") << "Restor" << true;
}

// Two clubs, one folder: the first backup goes into the folder offered at first use; the second
// club's backup or restore there asks first, naming the other club's folder and the backup's date.
void TestSauvegarde::autreClub() {
    QFETCH(QString, entree);
    QFETCH(bool, oui);
    const QString dest = QDir::home().filePath("Sauvegardes VIDORA");
    QString premier;
    {
        Banc b;
        premier = b.dossier();
        ajouterFilm(b.creerBase(), "ALIEN");
        b.env().date = QDate(2026, 11, 5);
        FrmSauvegarde* s = ouvrir(b);
        QVERIFY(s);
        QVERIFY(!QFileInfo::exists(dest));
        QVERIFY(choisirMenu(s, "Sauve"));
        QCOMPARE(s->caseDossier->text(), QString("C'EST FINI"));
    }
    Banc b;
    ajouterFilm(b.creerBase(), "BRAZIL");
    FrmSauvegarde* s = ouvrir(b);
    QVERIFY(s);
    QCOMPARE(s->caseDossier->text(), dest);
    const auto appli = fichiers(b.dossier()), avant = fichiers(dest);
    b.env().reponses = {oui};
    QVERIFY(choisirMenu(s, entree));
    QCOMPARE(b.env().questions.size(), size_t(1));
    const Message q = b.env().questions.front();
    QVERIFY2(q.nonParDefaut && q.texte.contains(premier) && q.texte.contains("05/11/2026"),
             qPrintable(q.texte));
    QVERIFY(baseOuverte());
    if (!oui) {
        QCOMPARE(fichiers(b.dossier()), appli);
        QCOMPARE(fichiers(dest), avant);
        QVERIFY(entreeDisponible(s, entree));
    } else {
        QCOMPARE(lignes(b.chemin("CLUB.MDB")), lignes(dest + "/CLUB.MDB"));
        QCOMPARE(LireLignes(dest + "/Sauve.ser")->value(3), entree == "Sauve" ? b.dossier() : premier);
    }
}

void TestSauvegarde::dossierParAccessibilite_data() {
    QTest::addColumn<bool>("valeur");
    QTest::newRow("valeur de la case") << true;
    QTest::newRow("texte modifiable") << false;
}

// A folder set through the accessibility interface is the one the backup goes to.
void TestSauvegarde::dossierParAccessibilite() {
    QFETCH(bool, valeur);
    Banc b;
    b.creerBase();
    QTemporaryDir ailleurs;
    const QString dest = ailleurs.filePath("club");
    FrmSauvegarde* s = ouvrir(b);
    QVERIFY(s);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(s->caseDossier);
    QVERIFY(a && a->editableTextInterface() && a->textInterface());
    if (valeur)
        a->setText(QAccessible::Value, dest);
    else
        a->editableTextInterface()->replaceText(0, a->textInterface()->characterCount(), dest);
    QCOMPARE(s->caseDossier->text(), dest);
    QVERIFY(choisirMenu(s, "Sauve"));
    QVERIFY(QFileInfo::exists(dest + "/Sauve.ser"));
    QVERIFY(!QFileInfo::exists(QDir::home().filePath("Sauvegardes VIDORA")));
}

void TestSauvegarde::copieTueeAChaqueEtape_data() {
    QTest::addColumn<bool>("sauvegarde"); // else a restore
    QTest::newRow("seconde sauvegarde sur la premiere") << true;
    QTest::newRow("restauration") << false;
}

// A backup over a previous one, or a restore, killed before each of its writes and renames: what
// reads the folder next (a restore, or the next start) finishes or undoes the copy, says which, and
// finds the set of before whole or the new one whole.
void TestSauvegarde::copieTueeAChaqueEtape() {
    QFETCH(bool, sauvegarde);
    Banc b;
    const QString appli = b.dossier();
    ajouterFilm(b.creerBase(), "ALIEN");
    b.creerBase("AUTRE.MDB");
    ecrire(b.chemin("Rappel.let"), "v1");
    ecrire(b.chemin("Images/ALIEN.BMP"), "a1");
    ecrire(b.chemin("Images/BRAZIL.BMP"), "b1");
    QTemporaryDir t;
    const QString b1 = t.filePath("b1");
    Sauvegarder(appli, b1, {"09/12/2026", b1.left(3), b1.mid(3), appli}, rien);
    ajouterFilm(b.chemin("CLUB.MDB"), "CASABLANCA");
    ecrire(b.chemin("Images/CASABLANCA.BMP"), "c2");
    ecrire(b.chemin("Rappel.let"), "v2");
    ecrire(b.chemin("Images/ALIEN.BMP"), "a2");
    QFile::remove(b.chemin("Images/BRAZIL.BMP"));
    QFile::remove(b.chemin("AUTRE.MDB"));
    b.creerBase("NOUVELLE.MDB");
    int n = 0;
    // The club as the folder's next reader finds it, and what it says.
    const auto lire = [&](const QString& ici, QString* dit) {
        if (!sauvegarde) {
            b.env().dossier = ici;
            PreparerDossierApplication();
            *dit = b.messages();
            return club(ici);
        }
        *dit = ReprendreSauvegardeInterrompue(ici);
        const QString r = t.filePath(QString("r%1").arg(++n));
        Restaurer(ici, r, rien);
        auto c = club(r);
        c.remove("Sauve.ser"); // it names the folder each copy was made in
        return c;
    };
    const QString depart = sauvegarde ? b1 : appli;
    QString dit;
    QVERIFY(copierDossier(depart, t.filePath("avant")));
    const auto avant = lire(t.filePath("avant"), &dit);
    QCOMPARE(dit, QString());
    QList<QMap<QString, QByteArray>> apresArret;
    QMap<QString, QByteArray> apres;
    for (const char* etape : {"copie-sauvegarde", "bascule-sauvegarde"}) {
        for (int fois = 1;; ++fois) {
            const QString ici = t.filePath(QString("%1-%2").arg(etape).arg(fois));
            QVERIFY(copierDossier(depart, ici));
            const QStringList enfant =
                sauvegarde ? QStringList{appli, ici, etape, QString::number(fois)}
                           : QStringList{ici, b1, etape, QString::number(fois), "restauration"};
            const bool tue = tuerEnfant(kTuee, enfant.join('\n'));
            const auto c = lire(ici, &dit);
            QCOMPARE(dit.isEmpty(), !tue);
            if (!tue) {
                apres = c;
                break;
            }
            apresArret << c;
            QVERIFY2(dit.contains(c == avant ? "A ETE ANNULEE" : "A ETE TERMINEE"), qPrintable(dit));
        }
    }
    QVERIFY(apres.contains("AUTRE.MDB") != sauvegarde && apres != avant);
    int nouveaux = 0;
    for (const auto& c : apresArret) {
        QVERIFY(c == avant || c == apres);
        nouveaux += c == apres;
    }
    QVERIFY(nouveaux > 0 && nouveaux < apresArret.size());
}

void TestSauvegarde::restaurationSansEcrireLaSauvegarde_data() {
    QTest::addColumn<bool>("journal"); // a crash's journal beside a database of the backup
    QTest::addColumn<bool>("liste");   // the backup's "Sauve.lst", absent from older backups
    QTest::newRow("base au journal chaud") << true << true;
    QTest::newRow("sauvegarde sans liste") << false << false;
}

// A restore takes the backup as it is, pictures included, and never writes into it.
void TestSauvegarde::restaurationSansEcrireLaSauvegarde() {
    QFETCH(bool, journal);
    QFETCH(bool, liste);
    Banc b;
    ajouterFilm(b.creerBase(), "ALIEN");
    ecrire(b.chemin("Images/ALIEN.BMP"), "a1");
    QTemporaryDir t;
    const QString dest = t.filePath("sauvegarde");
    Sauvegarder(b.dossier(), dest, {"09/12/2026", dest.left(3), dest.mid(3), b.dossier()}, rien);
    const QStringList films = lignes(dest + "/CLUB.MDB");
    if (journal) QVERIFY(tuerEnPleineEcriture(dest + "/CLUB.MDB"));
    if (!liste) QVERIFY(QFile::remove(dest + "/Sauve.lst"));
    const auto avant = fichiers(dest);
    QFile::remove(b.chemin("Images/ALIEN.BMP"));
    ajouterFilm(b.chemin("CLUB.MDB"), "BRAZIL");
    Restaurer(dest, b.dossier(), rien);
    QCOMPARE(fichiers(dest), avant);
    QCOMPARE(lignes(b.chemin("CLUB.MDB")), films);
    QCOMPARE(lire(b.chemin("Images/ALIEN.BMP")), QByteArray("a1"));
}

QTEST_MAIN(TestSauvegarde)
#include "tst_sauvegarde.moc"
