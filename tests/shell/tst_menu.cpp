// The main window's menu: what the operator or an assistive tool may choose before and after the
// password, the windows that replace the main window, and the entries that act in place.
#include "Banc.h"
#include "EcritureTuee.h"

#include "common/Contexte.h"
#include "common/MotDePasse.h"
#include "platform/Database.h"
#include "platform/PageWeb.h"
#include "shell/FrmDepart.h"
#include "shell/FrmNouvCompte.h"
#include "shell/FrmParamettre.h"
#include "shell/Installation.h"
#include "shell/MDIForm1.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

using namespace vidora;
using namespace vidora_test;

namespace {

const QStringList kProtegees = {"Abon", "Film",   "Depo", "Sauve", "Lettre", "Etique",  "Base",
                                "Util", "Classe", "Pass", "Para",  "Change", "SuppBase"};
// Entries under the three gated top-level menus.
const QStringList kSousProtegees = {"NouvAbon", "RechAbon", "SuppAbon", "Saisi",   "Liste", "reche",
                                    "recher",   "RechNom",  "Entre",    "Control", "Rappel"};
const QStringList kToujours = {"Outil", "Creer", "Site", "Lisez", "MaJour", "Quite"};
const QString kFini = QStringLiteral("Compactage de la Base de Donn\u00E9es et Termin\u00E9e");

QStringList indisponibles(FrmDepart* d, const QStringList& noms) {
    QStringList res;
    for (const QString& n : noms)
        if (!entreeDisponible(d, n)) res << n;
    return res;
}

QStringList disponibles(FrmDepart* d, const QStringList& noms) {
    QStringList res;
    for (const QString& n : noms)
        if (entreeDisponible(d, n)) res << n;
    return res;
}

bool auChoixDeLaBase(FrmDepart* d) {
    return d && d->listeBases->isVisible() && !d->caseMotDePasse->isVisible() &&
           !d->bandeauBase->isVisible() && disponibles(d, kProtegees).isEmpty();
}

bool connecte(FrmDepart* d) {
    return d && d->isEnabled() && !d->listeBases->isVisible() && !d->caseMotDePasse->isVisible() &&
           d->valeurNombreFilms->isVisible() && indisponibles(d, kProtegees).isEmpty();
}

QStringList lignes(const QString& table, const QString& champ) {
    QStringList res;
    auto rs = ctx().base().ouvrirTable(table);
    for (; !rs->Fin(); rs->MoveNext())
        res << rs->Texte(champ);
    return res;
}

// Films added, many deleted, more added: the table order has gaps that compaction must keep.
void remplirEtTrouer() {
    Transaction tr(ctx().base());
    auto rs = ctx().base().ouvrirTable("CD");
    for (int i = 0; i < 300; ++i) {
        rs->AddNew();
        rs->SetValue("MatriculeCD", QString::number(i));
        rs->SetValue("Nom", QString("FILM %1 ").arg(i, 3, 10, QChar('0')).leftJustified(60, 'X'));
        rs->Update();
    }
    for (rs->MoveFirst(); !rs->Fin(); rs->MoveNext())
        if (rs->Texte("MatriculeCD").toInt() % 3 != 0) rs->Delete();
    for (int i = 300; i < 320; ++i) {
        rs->AddNew();
        rs->SetValue("MatriculeCD", QString::number(i));
        rs->SetValue("Nom", QString("FILM %1").arg(i));
        rs->Update();
    }
    rs.reset();
    tr.valider();
}

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A menu entry as an assistive tool reaches it: the accessible item of its menu, or of the bar.
QAccessibleInterface* entreeAccessible(QObject* menu, const QString& libelle) {
    QAccessibleInterface* m = QAccessible::queryAccessibleInterface(menu);
    for (int k = 0; m && k < m->childCount(); ++k)
        if (m->child(k)->text(QAccessible::Name).compare(libelle, Qt::CaseInsensitive) == 0)
            return m->child(k);
    return nullptr;
}

void appuyer(QAccessibleInterface* entree) {
    entree->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Banc::traiterEvenements();
}

// Real message boxes: while one is open, the code given runs behind it, then the box is answered OK.
class BoitesReelles : public EnvironnementTest {
  public:
    std::function<void()> pendant;
    int boites = 0;
    void message(const QString& texte, const QString& titre) override {
        EnvironnementTest::message(texte, titre);
        if (!pendant) return;
        ++boites;
        QTimer::singleShot(0, [this] {
            pendant();
            QTimer::singleShot(0, [] {
                if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    m->button(QMessageBox::Ok)->click();
            });
        });
        Environnement::message(texte, titre);
    }
};

} // namespace

class TestMenu : public QObject {
    Q_OBJECT
  private slots:
    void entreesSelonLeMotDePasse();
    void fenetresQuiRemplacent_data();
    void fenetresQuiRemplacent();
    void changerDeBase();
    void compactageGardeLesLignes();
    void compactageEnPanne_data();
    void compactageEnPanne();
    void compactageDUneBaseNommeeTemp();
    void restesDUnePanne_data();
    void restesDUnePanne();
    void compactageLectureSeule();
    void nouveauClassementSansBase_data();
    void nouveauClassementSansBase();
    void entreesSousUnMenuGrise_data();
    void entreesSousUnMenuGrise();
    void retourSousUneBoite_data();
    void retourSousUneBoite();
    void entreesEnPlace();
    void croixDeLaFenetre();
    void aideSansVisionneuse_data();
    void aideSansVisionneuse();
    void libellesEtOrdre();
};

void TestMenu::entreesSelonLeMotDePasse() {
    Banc b;
    b.creerBase();
    FrmDepart* d = b.demarrer();
    QVERIFY(auChoixDeLaBase(d));
    QCOMPARE(disponibles(d, kSousProtegees), QStringList());
    QCOMPARE(indisponibles(d, kToujours), QStringList());

    const QRect r = d->listeBases->visualItemRect(d->listeBases->item(0));
    QTest::mouseClick(d->listeBases->viewport(), Qt::LeftButton, {}, r.center());
    QVERIFY(d->caseMotDePasse->isVisible());
    QCOMPARE(d->bandeauBase->text(), QString("Base en Cours CLUB"));
    QCOMPARE(disponibles(d, kProtegees + kSousProtegees), QStringList());

    // Case counts in a password.
    taper(d->caseMotDePasse, "vidora", true);
    QCOMPARE(b.env().messages.size(), 1);
    QCOMPARE(b.env().messages.first().texte, QString("MAUVAIS MOT DE PASSE"));
    QCOMPARE(disponibles(d, kProtegees + kSousProtegees), QStringList());

    taper(d->caseMotDePasse, "  VIDORA ", true);
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY(connecte(d));
    QCOMPARE(indisponibles(d, kSousProtegees + kToujours), QStringList());
    QCOMPARE(b.env().terminaisons, 0);
}

void TestMenu::fenetresQuiRemplacent_data() {
    QTest::addColumn<QString>("entree");
    QTest::newRow("Paramettre, Retour") << "Para";
    QTest::newRow("Creer une Base, Annule") << "Creer";
}

void TestMenu::fenetresQuiRemplacent() {
    QFETCH(QString, entree);
    Banc b;
    b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(connecte(d));
    QVERIFY(choisirMenu(d, entree));
    QVERIFY(!b.fenetre<FrmDepart>());
    if (entree == "Para") {
        auto* p = b.fenetre<FrmParamettre>();
        QVERIFY(p);
        QVERIFY(choisirMenu(p, "retour"));
        QVERIFY(!b.fenetre<FrmParamettre>());
    } else {
        auto* n = b.fenetre<FrmNouvCompte>();
        QVERIFY(n);
        cliquer(n->boutonAnnuler);
        QVERIFY(!b.fenetre<FrmNouvCompte>());
    }
    d = b.fenetre<FrmDepart>();
    QVERIFY(auChoixDeLaBase(d));
    QCOMPARE(b.fenetres().size(), 1);
    QVERIFY(b.connecter());
    QVERIFY(connecte(d));
    QVERIFY(b.env().messages.isEmpty());
}

void TestMenu::changerDeBase() {
    Banc b;
    b.creerBase("AUTRE.MDB");
    const QString club = b.creerBase("CLUB.MDB");
    FrmDepart* d = b.connecter("CLUB.MDB");
    QVERIFY(connecte(d));

    QVERIFY(choisirMenu(d, "Change"));
    QCOMPARE(b.fenetre<FrmDepart>(), d);
    QVERIFY(auChoixDeLaBase(d));
    QCOMPARE(d->listeBases->count(), 2);
    QVERIFY(ctx().BaseEnCours && ctx().BaseEnCours->estOuverte());
    QCOMPARE(ctx().BaseEnCours->chemin(), club);

    QVERIFY(b.connecter("AUTRE.MDB"));
    QVERIFY(connecte(d));
    QCOMPARE(ctx().BaseEnCours->chemin(), b.chemin("AUTRE.MDB"));
    QCOMPARE(ctx().NomBase, QString("AUTRE.MDB"));
    QCOMPARE(ctx().CheminBase, b.chemin("AUTRE.MDB"));
    QCOMPARE(d->bandeauBase->text(), QString("Base en Cours AUTRE"));
}

void TestMenu::compactageGardeLesLignes() {
    Banc b;
    const QString chemin = b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(connecte(d));
    remplirEtTrouer();
    const QStringList films = lignes("CD", "Nom");
    const QStringList genres = lignes("Genre", "NomGenre");
    QCOMPARE(films.size(), 120);
    const qint64 taille = QFileInfo(chemin).size();
    const auto proprietaire = QFile::ReadOwner | QFile::WriteOwner;
    QVERIFY(QFile::setPermissions(chemin, proprietaire));
    // A database that the list shows under the name of the old work file is no leftover.
    const QByteArray autre = contenu(b.creerBase("temp.MDB"));

    QVERIFY(choisirMenu(d, "Base"));
    QCOMPARE(b.env().messages.size(), 1);
    QCOMPARE(b.env().messages.first().texte, kFini);
    QCOMPARE(ctx().base().chemin(), chemin);
    QCOMPARE(lignes("CD", "Nom"), films);
    QCOMPARE(lignes("Genre", "NomGenre"), genres);
    QVERIFY(QFileInfo(chemin).size() < taille);
    QCOMPARE(QFile::permissions(chemin) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             proprietaire);
    QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), (QStringList{"CLUB.MDB", "temp.MDB"}));
    QCOMPARE(contenu(b.chemin("temp.MDB")), autre);
    QVERIFY(connecte(d));

    // Still the database the operator works on: a new film goes after the others.
    {
        auto rs = ctx().base().ouvrirTable("CD");
        rs->AddNew();
        rs->SetValue("Nom", "DERNIER");
        rs->Update();
    }
    QCOMPARE(lignes("CD", "Nom"), films + QStringList{"DERNIER"});
}

void TestMenu::compactageEnPanne_data() {
    QTest::addColumn<QString>("etape");
    QTest::newRow("pendant le compactage") << "compactage";
    QTest::newRow("au remplacement") << "compactage-remplacement";
}

void TestMenu::compactageEnPanne() {
    QFETCH(QString, etape);
    Banc b;
    const QString chemin = b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(connecte(d));
    remplirEtTrouer();
    const QStringList films = lignes("CD", "Nom");
    const QByteArray octets = contenu(chemin);

    b.env().panneA = etape;
    QVERIFY(choisirMenu(d, "Base"));
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY(!b.env().messages.first().texte.isEmpty());
    QVERIFY(b.env().messages.first().texte != kFini);
    QVERIFY(ctx().BaseEnCours && ctx().BaseEnCours->estOuverte());
    QCOMPARE(ctx().base().chemin(), chemin);
    QCOMPARE(contenu(chemin), octets);
    QCOMPARE(lignes("CD", "Nom"), films);
    QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), QStringList{"CLUB.MDB"});
    QVERIFY(connecte(d));

    b.env().panneA.clear();
    QVERIFY(choisirMenu(d, "Base"));
    QCOMPARE(b.env().messages.size(), 2);
    QCOMPARE(b.env().messages.last().texte, kFini);
    QCOMPARE(lignes("CD", "Nom"), films);
}

void TestMenu::compactageDUneBaseNommeeTemp() {
    // A database that carries the name of the compaction file (one brought back from elsewhere).
    Banc b;
    const QString chemin = b.creerBase("temp.MDB");
    FrmDepart* d = b.connecter("temp.MDB");
    QVERIFY(connecte(d));
    remplirEtTrouer();
    const QStringList films = lignes("CD", "Nom");

    QVERIFY(choisirMenu(d, "Base"));
    QCOMPARE(b.messages(), kFini);
    QVERIFY(ctx().BaseEnCours && ctx().BaseEnCours->estOuverte());
    QCOMPARE(ctx().base().chemin(), chemin);
    QCOMPARE(lignes("CD", "Nom"), films);
    QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), QStringList{"temp.MDB"});
}

void TestMenu::restesDUnePanne_data() {
    QTest::addColumn<bool>("auDemarrage");
    QTest::newRow("au demarrage suivant") << true;
    QTest::newRow("au compactage suivant") << false;
}

// A crash in the middle of a compaction or a creation leaves its work file and the file's journal.
void TestMenu::restesDUnePanne() {
    QFETCH(bool, auDemarrage);
    Banc b;
    const QString chemin = b.creerBase();
    FrmDepart* d = auDemarrage ? nullptr : b.connecter();
    for (const QString& reste : {reserverFichierDeTravail(chemin), b.chemin("creation-a1B2c3.tmp")}) {
        QVERIFY(QFile::copy(chemin, reste));
        QVERIFY(tuerEnPleineEcriture(reste));
    }
    if (auDemarrage) {
        d = b.demarrer();
        QCOMPARE(d->listeBases->count(), 1);
    } else {
        QVERIFY(choisirMenu(d, "Base"));
        QCOMPARE(b.messages(), kFini);
    }
    QCOMPARE(QDir(b.dossier()).entryList(QDir::Files | QDir::Hidden), QStringList{"CLUB.MDB"});
}

void TestMenu::compactageLectureSeule() {
    Banc b;
    const QString chemin = b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(connecte(d));
    remplirEtTrouer();
    const QByteArray octets = contenu(chemin);
    const auto lecture = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(chemin, lecture));
    QVERIFY(choisirMenu(d, "Base"));
    QVERIFY(b.messages().contains("LECTURE SEULE"));
    QCOMPARE(contenu(chemin), octets);
    QVERIFY(!(QFile::permissions(chemin) & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    QVERIFY(connecte(d));
    QCOMPARE(ctx().base().chemin(), chemin);
}

void TestMenu::nouveauClassementSansBase_data() {
    QTest::addColumn<bool>("apresChangement");
    QTest::newRow("au démarrage") << false;
    QTest::newRow("Changer de Base, une autre choisie") << true;
}

void TestMenu::nouveauClassementSansBase() {
    QFETCH(bool, apresChangement);
    Banc b;
    b.creerBase();
    const QString base = apresChangement ? "AUTRE.MDB" : "CLUB.MDB";
    b.creerBase("AUTRE.MDB");
    FrmDepart* d = b.demarrer();
    if (apresChangement) QVERIFY(connecte(b.connecter()) && choisirMenu(d, "Change"));
    QVERIFY(choisirMenu(d, "MaJour"));
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY(!b.env().messages.first().texte.isEmpty());
    QCOMPARE(b.fenetres(), QList<Form*>{d});
    QVERIFY(auChoixDeLaBase(d));
    QVERIFY(d->isEnabled());

    // A database picked but its password not typed: the same, and no film moves.
    const QRect r =
        d->listeBases->visualItemRect(d->listeBases->findItems(base, Qt::MatchFixedString).value(0));
    QTest::mouseClick(d->listeBases->viewport(), Qt::LeftButton, {}, r.center());
    QVERIFY(d->caseMotDePasse->isVisible());
    QCOMPARE(ctx().CheminBase, b.chemin(base));
    {
        auto t = ctx().base().ouvrirTable("CD");
        t->AddNew();
        t->SetValue("Nom", "ALIEN");
        t->SetValue("Categorie", "ACTION");
        t->SetValue("Traver", "Q");
        t->Update();
    }
    QVERIFY(choisirMenu(d, "MaJour"));
    QCOMPARE(b.env().messages.size(), 2);
    QCOMPARE(b.env().messages.last().texte, b.env().messages.first().texte);
    QCOMPARE(b.fenetres(), QList<Form*>{d});
    QVERIFY(d->isEnabled() && d->caseMotDePasse->isVisible());
    QCOMPARE(ctx().base().ouvrirTable("CD")->Texte("Traver"), QString("Q"));
}

// An assistive tool reaches the entries of a greyed menu without opening it: each is unavailable
// itself, and a press on it opens nothing.
void TestMenu::entreesSousUnMenuGrise_data() {
    QTest::addColumn<QString>("entree");
    QTest::addColumn<bool>("baseChoisie");
    QTest::newRow("Saisir un Film, base choisie") << "Saisi" << true;
    QTest::newRow("Nouvel Abonné, base choisie") << "NouvAbon" << true;
    QTest::newRow("Entree/Sortie, au choix de la base") << "Entre" << false;
}

void TestMenu::entreesSousUnMenuGrise() {
    QFETCH(QString, entree);
    QFETCH(bool, baseChoisie);
    Banc b;
    const QString club = b.creerBase();
    FrmDepart* d = b.demarrer();
    if (baseChoisie) {
        QTest::mouseClick(d->listeBases->viewport(), Qt::LeftButton, {},
                          d->listeBases->visualItemRect(d->listeBases->item(0)).center());
        QVERIFY(d->caseMotDePasse->isVisible());
    }
    const QByteArray avant = contenu(club);
    QAction* a = d->menu(entree);
    QMenu* sous = nullptr;
    for (QObject* o : a->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o); m && m->menuAction() != a) sous = m;
    QAccessibleInterface* item = entreeAccessible(sous, a->text());
    QVERIFY(item && item->actionInterface());
    QVERIFY(item->state().disabled);
    appuyer(item);
    QCOMPARE(b.fenetres(), QList<Form*>{d});
    // A window given back leaves the menu as the password left it.
    d->setUtilisable(false);
    d->setUtilisable(true);
    QCOMPARE(disponibles(d, kProtegees + kSousProtegees), QStringList());
    QCOMPARE(contenu(club), avant);

    if (baseChoisie)
        taper(d->caseMotDePasse, "VIDORA", true);
    else
        QVERIFY(b.connecter());
    QVERIFY(!entreeAccessible(sous, a->text())->state().disabled);
}

// "Retour" pressed by an assistive tool while the window's message box is open: the window stays
// until the box is answered, and the program goes on.
void TestMenu::retourSousUneBoite_data() {
    QTest::addColumn<QString>("entree");
    QTest::newRow("Nouveau Classement sans base") << "MaJour";
    QTest::newRow("Saisir un Film, titre existant") << "Saisi";
}

void TestMenu::retourSousUneBoite() {
    QFETCH(QString, entree);
    Banc b;
    auto e = std::make_unique<BoitesReelles>();
    BoitesReelles* boites = e.get();
    e->dossier = b.dossier();
    e->dossierImpressions = b.chemin("Impressions");
    installerEnvironnement(std::move(e));
    b.creerBase();
    FrmDepart* d = b.demarrer();
    if (entree == "Saisi") {
        QVERIFY(connecte(b.connecter()));
        auto t = ctx().base().ouvrirTable("CD");
        t->AddNew();
        t->SetValue("Nom", "ALIEN");
        t->Update();
        t.reset();
        QVERIFY(choisirMenu(d, entree));
    }
    QPointer<Form> fenetre;
    bool restee = false;
    boites->pendant = [&] {
        fenetre = b.fenetres().last();
        QAccessibleInterface* retour = entreeAccessible(b.cadre()->menuBar(), "Retour");
        QVERIFY(retour && fenetre != d);
        appuyer(retour);
        restee = fenetre && !fenetre->estDecharge();
    };
    if (entree == "Saisi")
        taper(b.fenetres().last()->findChild<QLineEdit*>("caseTitre"), "ALIEN", true);
    else
        QVERIFY(choisirMenu(d, entree));
    QCOMPARE(boites->boites, 1);
    QVERIFY(restee);
    boites->pendant = nullptr;
    if (fenetre) QVERIFY(choisirMenu(fenetre, "Retour"));
    QCOMPARE(b.fenetres(), QList<Form*>{d});
    QVERIFY(d->isEnabled());
    QCOMPARE(connecte(d), entree == "Saisi");
}

void TestMenu::entreesEnPlace() {
    Banc b;
    b.creerBase();
    PreparerDossierApplication();
    const QString aide = b.chemin("Lisez-Moi.html");
    // The help tells a new user the password that opens a new database.
    QVERIFY(QString::fromUtf8(contenu(aide))
                .contains(QRegularExpression("mot de passe[^.]*" + MotDePasseDefaut,
                                             QRegularExpression::CaseInsensitiveOption)));

    // All three before the password.
    FrmDepart* d = b.demarrer();
    QVERIFY(choisirMenu(d, "Lisez"));
    QCOMPARE(b.env().urls.size(), 1);
    QVERIFY(b.env().urls.first().isLocalFile());
    QCOMPARE(QFileInfo(b.env().urls.first().toLocalFile()).canonicalFilePath(),
             QFileInfo(aide).canonicalFilePath());

    QVERIFY(choisirMenu(d, "Site"));
    QCOMPARE(b.env().urls.size(), 2);
    const QUrl site = b.env().urls.last();
    QVERIFY(site.scheme() == "https" || site.scheme() == "http");
    QVERIFY(!site.host().isEmpty());

    QCOMPARE(b.env().terminaisons, 0);
    QVERIFY(choisirMenu(d, "Quite"));
    QCOMPARE(b.env().terminaisons, 1);
    QVERIFY(b.env().messages.isEmpty());

    QVERIFY(connecte(b.connecter("CLUB.MDB", MotDePasseDefaut)));
}

// The close button of a window's title bar: a window leaves only through its own entries, so the
// operator is never left before an empty frame or a main window out of use.
void TestMenu::croixDeLaFenetre() {
    const auto fermer = [](Form* f) {
        const bool ferme = qobject_cast<QMdiSubWindow*>(f->parentWidget())->close();
        Banc::traiterEvenements();
        return ferme;
    };
    Banc b;
    b.demarrer();
    auto* n = b.fenetre<FrmNouvCompte>();
    QVERIFY(n);
    QVERIFY(!fermer(n));
    QVERIFY(n->isVisible());
    taper(n->caseNom, "club", true);
    auto* p = b.fenetre<FrmParamettre>();
    QVERIFY(p);
    QVERIFY(!fermer(p));
    QVERIFY(p->isVisible());
    QVERIFY(choisirMenu(p, "retour"));
    FrmDepart* d = b.connecter();
    QVERIFY(connecte(d));
    QVERIFY(!fermer(d));
    QVERIFY(d->isVisible());
    QVERIFY(connecte(d));
}

void TestMenu::aideSansVisionneuse_data() {
    QTest::addColumn<bool>("visionneuse");
    QTest::newRow("le bureau l'ouvre") << true;
    QTest::newRow("aucune visionneuse") << false;
}

void TestMenu::aideSansVisionneuse() {
    QFETCH(bool, visionneuse);
    Banc b;
    b.creerBase();
    PreparerDossierApplication();
    b.env().visionneuse = visionneuse;
    FrmDepart* d = b.demarrer();
    QVERIFY(choisirMenu(d, "Lisez"));
    PageWeb* vue = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<PageWeb*>(w); p && p->isVisible()) vue = p;
    // Without a viewer, the help shows in the program's own page view.
    QCOMPARE(vue != nullptr, !visionneuse);
    if (vue) {
        QVERIFY(vue->toPlainText().contains(QString::fromUtf8("Premier démarrage")));
        vue->close();
    }
    QVERIFY(b.env().messages.isEmpty());
}

// The main menu as the operator reads it, entry after entry; a separator reads "-".
void TestMenu::libellesEtOrdre() {
    Banc b;
    b.creerBase();
    FrmDepart* d = b.demarrer();
    QVERIFY(d);
    QStringList lu;
    for (QAction* a : d->barreMenu()) {
        lu << a->text();
        if (a->menu())
            for (QAction* e : a->menu()->actions())
                lu << QStringLiteral("  ") + (e->isSeparator() ? QStringLiteral("-") : e->text());
    }
    const QStringList attendu = {"Abonné",
                                 "  Nouvel Abonné",
                                 "  Recherche/Modif",
                                 "  Supprimer Abonné",
                                 "Film",
                                 "  Saisir un Film",
                                 "  Modifier un Film",
                                 "  Supprimer Film",
                                 "  Recherche par categorie",
                                 "  Recherche par Nom",
                                 "Depos/Retrai",
                                 "  Entree/Sortie",
                                 "  Control Physique des Films",
                                 "  Lettre Rappelle",
                                 "Outil",
                                 "  Sauvegarde",
                                 "  Lettre de Rapel",
                                 "  Edition Etiquette",
                                 "  Compacter la Base",
                                 "  Categorie/Specialité",
                                 "  Classement",
                                 "  Changer de Mot de Passe",
                                 "  Paramettre",
                                 "  Créer une Base",
                                 "  Changer de Base",
                                 "  Nouveau Classement",
                                 "  -",
                                 "  Supprimer une base",
                                 "  -",
                                 "  Site Tavrel",
                                 "  Lisez-Moi",
                                 "Quitter"};
    QCOMPARE(lu, attendu);
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
