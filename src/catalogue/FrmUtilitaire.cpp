#include "catalogue/FrmUtilitaire.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Windows1252.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace vidora {

namespace {

QStringList entrees(const QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

// Every row of the table replaced by the entries, in their order: all or nothing.
void Reecrire(const QString& table, const QString& champ, const QStringList& lignes) {
    Database& db = ctx().base();
    Transaction tr(db);
    auto t = db.ouvrirTable(table);
    while (!t->Fin()) {
        t->Delete();
        t->MoveNext();
    }
    for (const QString& l : lignes) {
        t->AddNew();
        t->SetValue(champ, l);
        t->Update();
        env().pointDeControle("utilitaire-ligne");
    }
    tr.valider();
}

// A text the table can hold, checked before any row is touched; empty when it is right.
QString RefusTexte(const QString& table, const QString& champ, const QString& texte) {
    if (texte.isEmpty()) return QStringLiteral("LE NOUVEAU NOM EST VIDE : RIEN N'A ETE CHANGE");
    const int largeur = LargeurChamp(table, champ);
    if (texte.size() > largeur)
        return QStringLiteral("LE NOM EST TROP LONG : %1 CARACTERES AU PLUS (IL EN A %2)")
            .arg(largeur)
            .arg(texte.size());
    return QString();
}

// The entries sorted by character code, a text that begins a longer one first; blank entries dropped.
QStringList TrierParCode(QStringList l) {
    l.erase(std::remove_if(l.begin(), l.end(), [](const QString& s) { return s.trimmed().isEmpty(); }),
            l.end());
    // Windows-1252 codes, as the tables keep them: "Œ" (0x8C) comes before "É" (0xC9), which
    // UTF-16 would put the other way round. A prefix comes first.
    const auto code = [](QChar c) {
        const int k = CodeWindows1252(c);
        return k >= 0 ? k : 0x100 + c.unicode();
    };
    std::stable_sort(l.begin(), l.end(), [&](const QString& a, const QString& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](QChar x, QChar y) { return code(x) < code(y); });
    });
    return l;
}

} // namespace

FrmUtilitaire::FrmUtilitaire() : Form(QStringLiteral("FrmUtilitaire"), QStringLiteral("Utilitaire")) {
    controle(LabelEncadre(this, QStringLiteral("Utilitaire")), 3000, 200, 6000, 500);
    const auto liste = [this](const char* nom) {
        return controle(new QListWidget(this), nom, 1000, 1000, 5200, 6500);
    };
    const auto boite = [this](const char* nom, double left, double top, double width) {
        auto* b = controle(new QLineEdit(this), nom, left, top, width, 450);
        MajusculeFrappe(b);
        return b;
    };
    listeCategories = liste("listeCategories");
    listeSpecialites = liste("listeSpecialites");
    caseNouvelleCategorie = boite("caseNouvelleCategorie", 6600, 1000, 4800);
    caseNouvelleSpecialite = boite("caseNouvelleSpecialite", 6600, 1000, 4800);
    libelleLettres = controle(new QLabel(QStringLiteral("M=Modifier / E=Effacer"), this), "libelleLettres",
                              6600, 1800, 4800, 400);
    libelleLettres->setAlignment(Qt::AlignCenter);
    caseLettreCategorie = boite("caseLettreCategorie", 8500, 2300, 1000);
    caseLettreSpecialite = boite("caseLettreSpecialite", 8500, 2300, 1000);
    for (QLineEdit* b : {caseLettreCategorie, caseLettreSpecialite}) {
        b->setText(QStringLiteral("M"));
        b->setAlignment(Qt::AlignCenter);
    }
    caseNouveauNomCategorie = boite("caseNouveauNomCategorie", 6600, 3100, 4800);
    caseNouveauNomSpecialite = boite("caseNouveauNomSpecialite", 6600, 3100, 4800);

    connect(listeCategories, &QListWidget::itemClicked, this, &FrmUtilitaire::categorieChoisie);
    connect(listeSpecialites, &QListWidget::itemClicked, this, &FrmUtilitaire::specialiteChoisie);
    connect(caseNouvelleCategorie, &QLineEdit::returnPressed, this, &FrmUtilitaire::nouvelleCategorieValide);
    connect(caseNouvelleSpecialite, &QLineEdit::returnPressed, this,
            &FrmUtilitaire::nouvelleSpecialiteValide);
    connect(caseLettreCategorie, &QLineEdit::returnPressed, this, &FrmUtilitaire::lettreCategorieValide);
    connect(caseLettreSpecialite, &QLineEdit::returnPressed, this, &FrmUtilitaire::lettreSpecialiteValide);
    connect(caseNouveauNomCategorie, &QLineEdit::returnPressed, this,
            &FrmUtilitaire::nouveauNomCategorieValide);
    connect(caseNouveauNomSpecialite, &QLineEdit::returnPressed, this,
            &FrmUtilitaire::nouveauNomSpecialiteValide);
    const auto entree = [this](const char* nom, const char* libelle, void (FrmUtilitaire::*h)()) {
        connect(ajouterEntree(QString::fromLatin1(nom), QString::fromUtf8(libelle)), &QAction::triggered,
                this, h);
    };
    entree("Specia", "Ajouter Specialité", &FrmUtilitaire::ajouterSpecialite);
    entree("Categor", "Ajouter Categorie", &FrmUtilitaire::ajouterCategorie);
    entree("SuppSpe", "Supprimer Specialité", &FrmUtilitaire::changerSpecialite);
    entree("SuppCat", "Supprimer Categorie", &FrmUtilitaire::changerCategorie);
    entree("Annul", "Annuler", &FrmUtilitaire::annuler);
    entree("Retour", "Retour", &FrmUtilitaire::revenir);
}

FrmUtilitaire::Moitie FrmUtilitaire::categories() const {
    return {schema::Genre::table,
            schema::Genre::NomGenre,
            listeCategories,
            caseNouvelleCategorie,
            caseLettreCategorie,
            caseNouveauNomCategorie,
            true};
}

FrmUtilitaire::Moitie FrmUtilitaire::specialites() const {
    return {schema::Special::table,
            schema::Special::Titre,
            listeSpecialites,
            caseNouvelleSpecialite,
            caseLettreSpecialite,
            caseNouveauNomSpecialite,
            false};
}

void FrmUtilitaire::charger() {
    MiseEnPlaceStandard(*this);
    reprendreAuDepart();
}

void FrmUtilitaire::entreesMode(bool mode) {
    for (const char* n : {"Specia", "Categor", "SuppSpe", "SuppCat", "Retour"})
        menu(QString::fromLatin1(n))->setEnabled(!mode);
    menu(QStringLiteral("Annul"))->setEnabled(mode);
}

void FrmUtilitaire::reprendreAuDepart() {
    entreesMode(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{listeCategories, listeSpecialites, caseNouvelleCategorie,
                                         caseNouvelleSpecialite, caseLettreCategorie, caseNouveauNomCategorie,
                                         caseLettreSpecialite, caseNouveauNomSpecialite, libelleLettres})
        w->hide();
}

void FrmUtilitaire::annuler() {
    reprendreAuDepart();
}

bool FrmUtilitaire::remplir(const Moitie& m) {
    m.liste->clear();
    return Tenter(QStringLiteral("LA LISTE NE PEUT ETRE LUE"), [&] {
        for (auto t = ctx().base().ouvrirTable(m.table); !t->Fin(); t->MoveNext())
            m.liste->addItem(t->Texte(m.champ));
    });
}

void FrmUtilitaire::modeAjout(const Moitie& m) {
    if (!remplir(m)) return;
    entreesMode(true);
    m.liste->setEnabled(false);
    m.liste->show();
    m.ajout->show();
    if (m.focusAjout) m.ajout->setFocus();
}

void FrmUtilitaire::modeModifier(const Moitie& m) {
    if (!remplir(m)) return;
    entreesMode(true);
    m.liste->setEnabled(true);
    m.liste->show();
}

void FrmUtilitaire::choisir(const Moitie& m, QListWidgetItem* item) {
    if (!item) return;
    entreeChoisie = item->text();
    libelleLettres->show();
    m.lettre->show();
    m.lettre->setFocus();
    // The letter typed replaces the one shown.
    m.lettre->selectAll();
}

void FrmUtilitaire::ajouter(const Moitie& m) {
    const QString s = m.ajout->text().trimmed();
    if (s.isEmpty()) return;
    if (const QString refus = RefusTexte(m.table, m.champ, s); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    const bool changee = Tenter(QStringLiteral("LA LISTE N'A PAS ETE CHANGEE"),
                                [&] { Reecrire(m.table, m.champ, TrierParCode(entrees(m.liste) << s)); });
    if (!changee) return;
    m.liste->hide();
    m.ajout->hide();
    reprendreAuDepart();
    m.ajout->clear();
}

void FrmUtilitaire::appliquerLettre(const Moitie& m) {
    const QString lettre = m.lettre->text().trimmed();
    if (lettre == QLatin1String("M")) {
        m.lettre->hide();
        m.renomme->setText(entreeChoisie);
        m.renomme->show();
        return;
    }
    if (lettre != QLatin1String("E")) {
        env().message(QStringLiteral("LETTRE INCONNUE : M POUR MODIFIER, E POUR EFFACER"));
        m.lettre->setFocus();
        m.lettre->selectAll();
        return;
    }
    m.lettre->hide();
    Tenter(QStringLiteral("L'ENTREE N'A PAS ETE EFFACEE"), [&] {
        Database& db = ctx().base();
        Transaction tr(db);
        auto t = db.ouvrirTable(m.table);
        while (!t->Fin() && t->Texte(m.champ) != entreeChoisie)
            t->MoveNext();
        if (!t->Fin()) t->Delete();
        tr.valider();
    });
    libelleLettres->hide();
    m.liste->hide();
    reprendreAuDepart();
}

void FrmUtilitaire::renommer(const Moitie& m) {
    const QString n = m.renomme->text().trimmed();
    if (const QString refus = RefusTexte(m.table, m.champ, n); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    QStringList l = entrees(m.liste);
    const qsizetype i = l.indexOf(entreeChoisie);
    if (i >= 0) l[i] = n;
    const bool changee =
        Tenter(QStringLiteral("LA LISTE N'A PAS ETE CHANGEE"), [&] { Reecrire(m.table, m.champ, l); });
    if (!changee) return;
    m.liste->hide();
    m.renomme->hide();
    libelleLettres->hide();
    reprendreAuDepart();
}

void FrmUtilitaire::ajouterCategorie() {
    modeAjout(categories());
}
void FrmUtilitaire::ajouterSpecialite() {
    modeAjout(specialites());
}
void FrmUtilitaire::changerCategorie() {
    modeModifier(categories());
}
void FrmUtilitaire::changerSpecialite() {
    modeModifier(specialites());
}
void FrmUtilitaire::categorieChoisie(QListWidgetItem* item) {
    choisir(categories(), item);
}
void FrmUtilitaire::specialiteChoisie(QListWidgetItem* item) {
    choisir(specialites(), item);
}
void FrmUtilitaire::nouvelleCategorieValide() {
    ajouter(categories());
}
void FrmUtilitaire::nouvelleSpecialiteValide() {
    ajouter(specialites());
}
void FrmUtilitaire::lettreCategorieValide() {
    appliquerLettre(categories());
}
void FrmUtilitaire::lettreSpecialiteValide() {
    appliquerLettre(specialites());
}
void FrmUtilitaire::nouveauNomCategorieValide() {
    renommer(categories());
}
void FrmUtilitaire::nouveauNomSpecialiteValide() {
    renommer(specialites());
}

void FrmUtilitaire::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
