#include "shell/FrmDepart.h"

#include "common/Contexte.h"
#include "common/MotDePasse.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "platform/PageWeb.h"
#include "shell/Compactage.h"
#include "shell/Entrees.h"
#include "shell/FrmMotDePasse.h"
#include "shell/FrmNouvCompte.h"
#include "shell/FrmParamettre.h"
#include "shell/FrmSauvegarde.h"
#include "shell/FrmSuppBase.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QUrl>

namespace vidora {

namespace {
const QString kSiteTavrel = QStringLiteral("https://tavrel.example.org/vidora");

QLabel* etiquette(const QString& texte, const QString& style) {
    auto* l = new QLabel(texte);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(style);
    return l;
}

// The main menu as the operator sees it, in order: each menu, then its entries. A gated menu or
// entry waits for the password, and so does every entry under a gated menu.
enum class Ligne { Menu, Entree, Separateur };
enum class Acces { Libre, Protege };
struct LigneMenu {
    Ligne ligne;
    const char* nom;
    const char* libelle;
    Acces acces;
};
constexpr LigneMenu kMenu[] = {
    {Ligne::Menu, "Abon", "Abonné", Acces::Protege},
    {Ligne::Entree, "NouvAbon", "Nouvel Abonné", Acces::Libre},
    {Ligne::Entree, "RechAbon", "Recherche/Modif", Acces::Libre},
    {Ligne::Entree, "SuppAbon", "Supprimer Abonné", Acces::Libre},
    {Ligne::Menu, "Film", "Film", Acces::Protege},
    {Ligne::Entree, "Saisi", "Saisir un Film", Acces::Libre},
    {Ligne::Entree, "Liste", "Modifier un Film", Acces::Libre},
    {Ligne::Entree, "reche", "Supprimer Film", Acces::Libre},
    {Ligne::Entree, "recher", "Recherche par categorie", Acces::Libre},
    {Ligne::Entree, "RechNom", "Recherche par Nom", Acces::Libre},
    {Ligne::Menu, "Depo", "Depos/Retrai", Acces::Protege},
    {Ligne::Entree, "Entre", "Entree/Sortie", Acces::Libre},
    {Ligne::Entree, "Control", "Control Physique des Films", Acces::Libre},
    {Ligne::Entree, "Rappel", "Lettre Rappelle", Acces::Libre},
    {Ligne::Menu, "Outil", "Outil", Acces::Libre},
    {Ligne::Entree, "Sauve", "Sauvegarde", Acces::Protege},
    {Ligne::Entree, "Lettre", "Lettre de Rapel", Acces::Protege},
    {Ligne::Entree, "Etique", "Edition Etiquette", Acces::Protege},
    {Ligne::Entree, "Base", "Compacter la Base", Acces::Protege},
    {Ligne::Entree, "Util", "Categorie/Specialité", Acces::Protege},
    {Ligne::Entree, "Classe", "Classement", Acces::Protege},
    {Ligne::Entree, "Pass", "Changer de Mot de Passe", Acces::Protege},
    {Ligne::Entree, "Para", "Paramettre", Acces::Protege},
    {Ligne::Entree, "Creer", "Créer une Base", Acces::Libre},
    {Ligne::Entree, "Change", "Changer de Base", Acces::Protege},
    {Ligne::Entree, "MaJour", "Nouveau Classement", Acces::Libre},
    {Ligne::Separateur, "", "", Acces::Libre},
    {Ligne::Entree, "SuppBase", "Supprimer une base", Acces::Protege},
    {Ligne::Separateur, "", "", Acces::Libre},
    {Ligne::Entree, "Site", "Site Tavrel", Acces::Libre},
    {Ligne::Entree, "Lisez", "Lisez-Moi", Acces::Libre},
};

// Runs one of the main window's own handlers, on the main window loaded.
std::function<void()> surDepart(void (FrmDepart::*agir)()) {
    return [agir] {
        if (auto* d = qobject_cast<FrmDepart*>(FenetrePrincipale())) (d->*agir)();
    };
}
} // namespace

void RefuserBase(const QString& nom, const ErreurBase& e) {
    env().message(QStringLiteral("IMPOSSIBLE D'OUVRIR CETTE BASE : %1\n%2").arg(nom, e.message()));
}

void EnregistrerEntreesDepart() {
    EnregistrerEntree(QStringLiteral("Para"), [] { Remplacer<FrmParamettre>(); });
    EnregistrerEntree(QStringLiteral("Pass"), [] { Remplacer<FrmMotDePasse>(); });
    EnregistrerEntree(QStringLiteral("SuppBase"), OuvrirSuppressionBase);
    EnregistrerEntree(QStringLiteral("Sauve"), [] { OuvrirParDessus<FrmSauvegarde>(); });
    EnregistrerEntree(QStringLiteral("Creer"), [] { Remplacer<FrmNouvCompte>(); });
    EnregistrerEntree(QStringLiteral("Base"), surDepart(&FrmDepart::compacterBase));
    EnregistrerEntree(QStringLiteral("Change"), surDepart(&FrmDepart::changerBase));
    EnregistrerEntree(QStringLiteral("Site"), surDepart(&FrmDepart::ouvrirSite));
    EnregistrerEntree(QStringLiteral("Lisez"), surDepart(&FrmDepart::ouvrirLisezMoi));
}

const QStringList& FrmDepart::EntreesProtegees() {
    static const QStringList noms = [] {
        QStringList l;
        for (const LigneMenu& e : kMenu)
            if (e.acces == Acces::Protege) l << QString::fromUtf8(e.nom);
        return l;
    }();
    return noms;
}

FrmDepart::FrmDepart() : Form(QStringLiteral("FrmDepart"), QStringLiteral("VIDORA")) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    setPalette(p);

    listeBases = controle(new QListWidget(this), "listeBases", 3000, 1500, 6000, 5000);
    listeBases->setFont(QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold));
    libelleMotDePasse = controle(etiquette(QStringLiteral("Mot de passe"),
                                           QStringLiteral("background:#C0FFC0; border:1px solid black;")),
                                 "libelleMotDePasse", 4200, 2700, 3600, 500);
    caseMotDePasse = controle(new QLineEdit(this), "caseMotDePasse", 4200, 3300, 3600, 700);
    caseMotDePasse->setEchoMode(QLineEdit::Password);
    caseMotDePasse->setFont(QFont(QStringLiteral("MS Sans Serif"), 18, QFont::Bold));
    caseMotDePasse->setStyleSheet(
        QStringLiteral("color:#000080; background:#FFC0FF; lineedit-password-character:42;")); // '*'
    bandeauBase =
        controle(etiquette(QString(), QStringLiteral("color:blue; background:#80FF80; border:1px solid black;"
                                                     " font-style:italic;")),
                 "bandeauBase", 3000, 600, 6000, 500);
    valeurNombreFilms = controle(etiquette(QString(), QStringLiteral("color:blue;")), "valeurNombreFilms",
                                 3000, 6800, 6000, 500);
    imageAccueil = controle(new QLabel(this), "imageAccueil", 3000, 1500, 6000, 5000);
    imageAccueil->setScaledContents(true);
    imageAccueil->setPixmap(QPixmap(QStringLiteral(":/assets/accueil.png")));

    connect(listeBases, &QListWidget::itemClicked, this, &FrmDepart::baseChoisie);
    connect(caseMotDePasse, &QLineEdit::returnPressed, this, &FrmDepart::motDePasseValide);
    construireMenu();
}

void FrmDepart::construireMenu() {
    QMenu* m = nullptr;
    for (const LigneMenu& e : kMenu) {
        const QString n = QString::fromUtf8(e.nom);
        switch (e.ligne) {
        case Ligne::Menu:
            m = ajouterMenu(n, QString::fromUtf8(e.libelle));
            break;
        case Ligne::Separateur:
            ajouterSeparateur(m);
            break;
        case Ligne::Entree: {
            QAction* a = ajouterEntree(m, n, QString::fromUtf8(e.libelle));
            connect(a, &QAction::triggered, this, [this, n] { ouvrirDepuisMenu(n); });
            break;
        }
        }
    }
    QAction* entreeQuitter = ajouterEntree(QStringLiteral("Quite"), QStringLiteral("Quitter"));
    connect(entreeQuitter, &QAction::triggered, this, &FrmDepart::quitter);
}

bool FrmDepart::attendMotDePasse(const QString& nom) const {
    if (EntreesProtegees().contains(nom)) return true;
    if (QAction* a = menu(nom))
        for (QObject* o : a->associatedObjects())
            if (auto* m = qobject_cast<QMenu*>(o); m && EntreesProtegees().contains(m->objectName()))
                return true;
    return false;
}

void FrmDepart::ouvrirDepuisMenu(const QString& nom) {
    // Whatever pressed the entry, nothing opens over a window out of use, and nothing that waits
    // for the password opens before it was accepted.
    if (estDecharge() || !isEnabled() || (attendMotDePasse(nom) && !ctx().Connecte)) return;
    if (const auto ouvrir = EntreeEnregistree(nom)) ouvrir();
}

void FrmDepart::charger() {
    MiseEnPlaceStandard(*this);
    ctx().CheminAppli = env().dossierApplication();
    // What a crash left of a creation or a compaction goes before the list is read.
    effacerFichiersDeTravail(ctx().CheminAppli);
    proposerBases();
}

void FrmDepart::rafraichirListe() {
    listeBases->clear();
    listeBases->addItems(ListerBases(ctx().CheminAppli));
}

void FrmDepart::setEntreesProtegees(bool disponibles) {
    // Each entry under a gated menu is itself unavailable, as assistive tools reach it without
    // opening its menu; the menu is disabled on its own so that giving the window back into use
    // does not enable it again.
    for (const QString& n : EntreesProtegees()) {
        QAction* a = menu(n);
        if (!a) continue;
        if (QMenu* m = a->menu()) {
            m->setEnabled(disponibles);
            for (QAction* e : m->actions())
                e->setEnabled(disponibles);
        }
        a->setEnabled(disponibles);
    }
}

void FrmDepart::proposerBases() {
    ctx().Connecte = false;
    show();
    libelleMotDePasse->hide();
    caseMotDePasse->hide();
    rafraichirListe();
    if (listeBases->count() > 0) {
        valeurNombreFilms->hide();
        setEntreesProtegees(false);
        for (const char* n : {"Creer", "Site", "Lisez"})
            menu(QString::fromLatin1(n))->setEnabled(true);
        caseMotDePasse->clear();
        bandeauBase->hide();
        imageAccueil->hide();
        listeBases->show();
        return;
    }
    ChargerNouvelleBase(this);
}

void FrmDepart::baseChoisie(QListWidgetItem* item) {
    if (!item) return;
    const QString nom = item->text();
    const QString chemin = QDir(ctx().CheminAppli).filePath(nom);
    // The chosen file becomes the current database only once it is known to be a whole one.
    std::unique_ptr<Database> base;
    int films = 0;
    try {
        base = OuvrirBaseChoisie(chemin);
        films = base->ouvrirTable(schema::CD::table)->RecordCount();
    } catch (const ErreurBase& e) {
        RefuserBase(nom, e);
        proposerBases();
        return;
    }
    ctx().NomBase = nom;
    listeBases->hide();
    libelleMotDePasse->show();
    caseMotDePasse->show();
    caseMotDePasse->setFocus();
    bandeauBase->setText(QStringLiteral("Base en Cours ") + nom.left(nom.size() - 4));
    bandeauBase->show();
    ctx().CheminBase = chemin;
    ctx().fermerTables();
    ctx().BaseEnCours = std::move(base);
    valeurNombreFilms->setText(QString::number(films) + QStringLiteral(" FILMS"));
}

void FrmDepart::motDePasseValide() {
    Contexte& c = ctx();
    // A password that cannot be read is no wrong try: the operator is told why and picks again.
    bool accepte = false;
    try {
        accepte = MotDePasseAccepte(caseMotDePasse->text());
    } catch (const ErreurBase& e) {
        RefuserBase(c.NomBase, e);
        proposerBases();
        return;
    }
    ++c.EssaisConnexion;
    if (!accepte) {
        env().message(QStringLiteral("MAUVAIS MOT DE PASSE"));
        caseMotDePasse->clear();
        if (c.EssaisConnexion == 3) env().terminer();
        return;
    }
    montrerConnexion();
}

void FrmDepart::montrerConnexion() {
    ctx().Connecte = true;
    listeBases->hide();
    libelleMotDePasse->hide();
    caseMotDePasse->hide();
    imageAccueil->show();
    setEntreesProtegees(true);
    valeurNombreFilms->show();
}

void FrmDepart::compacterBase() {
    CompacterBaseEnCours();
}

void FrmDepart::changerBase() {
    proposerBases();
}

void FrmDepart::ouvrirSite() {
    env().ouvrirUrl(QUrl(kSiteTavrel));
}

void FrmDepart::ouvrirLisezMoi() {
    const QString aide = ctx().fichier(QStringLiteral("Lisez-Moi.html"));
    // Without a desktop viewer, the help opens in the program's own page view.
    if (!env().ouvrirUrl(QUrl::fromLocalFile(aide))) PageWeb::ouvrirAide(aide, env().parentDialogues);
}

void FrmDepart::quitter() {
    env().terminer();
}

} // namespace vidora
