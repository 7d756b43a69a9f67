#include "catalogue/FrmRecherNom.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/GrillesFilms.h"
#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Saisie.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace vidora {

namespace {
// Room kept under the grid so that its last line is never cut by the window's edge.
constexpr double kMargeBas = 60;
} // namespace

double HauteurGrilleRecherche(int m) {
    return std::min(380.0 * m + 550, 7068.0);
}

FrmRecherNom::FrmRecherNom() : Form(QStringLiteral("FrmRecherNom"), QStringLiteral("Recherche par Nom")) {
    bandeau = TitreListe(*this);
    bandeauCompte = CompteListe(*this);
    Text9 = controle(new QLineEdit(this), 3000, 1150, 6000, 420);
    Text9->setObjectName(QStringLiteral("Text9"));
    MajusculeFrappe(Text9);
    grilleFilms = GrilleFilms(*this);
    fiche = new FicheFilm(*this, 150, 1150, 11700, 6100, ChampsFiche::Boites);
    connect(Text9, &QLineEdit::returnPressed, this, &FrmRecherNom::Page_Click);
    connect(grilleFilms, &MSFlexGrid::Click, this, &FrmRecherNom::MSFlexGrid1_Click);
    ajouterEntree("Retour", "Retour", &FrmRecherNom::Retour_Click);
    ajouterEntree("Enregitre", "Enregistrer", &FrmRecherNom::Enregitre_Click);
    ajouterEntree("SaiAffiche", "Saisir Affiche", &FrmRecherNom::SaiAffiche_Click);
    ajouterEntree("Autre", "Autre Film", &FrmRecherNom::Autre_Click);
}

void FrmRecherNom::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmRecherNom::Lire() {
    Mode = ModeFilm::Recherche;
    Text9->show();
    fiche->Fermer();
    grilleFilms->hide();
    int films = 0;
    try {
        films = ctx().base().ouvrirTable(QStringLiteral("CD"))->RecordCount();
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LA LISTE DES FILMS NE PEUT ETRE LUE :\n%1").arg(e.message()));
    }
    bandeauCompte->setText(QStringLiteral("Nombre de film %1").arg(films));
    Text9->setFocus();
}

void FrmRecherNom::Page_Click() {
    if (Mode != ModeFilm::Recherche) return;
    NomChoisi = Text9->text().trimmed().toUpper();
    const QString nom = QStringLiteral("Nom");
    // The text is looked for as it stands: no character of it has a meaning of its own.
    OptionsGrille o;
    o.masquerPendantRemplissage = false;
    PreparerGrille(
        *grilleFilms, ColonnesListeFilms(), QStringLiteral("CD"),
        [&](const Recordset& r) { return !r.EstNull(nom) && r.Texte(nom).trimmed().contains(NomChoisi); }, o);
    const int m = grilleFilms->Rows() - 2;
    // The height the search gives, within the room the window has below the grid's top.
    const double place = height() * twips::parPixel - grilleFilms->Top() - kMargeBas;
    grilleFilms->setHeight(std::min(HauteurGrilleRecherche(m), std::max(place, 0.0)));
    Text9->hide();
    Mode = ModeFilm::Liste;
    if (m == 0) {
        env().message(QStringLiteral("PAS DE ") + NomChoisi);
        Lire();
    }
}

void FrmRecherNom::MSFlexGrid1_Click() {
    if (Mode != ModeFilm::Liste) return;
    const FicheFilm::Clic clic = fiche->OuvrirLigne(*grilleFilms);
    if (clic == FicheFilm::Clic::Introuvable) return Lire();
    if (clic == FicheFilm::Clic::Ouvert) Mode = ModeFilm::Fiche;
}

void FrmRecherNom::Enregitre_Click() {
    if (Mode == ModeFilm::Fiche && fiche->Enregistrer()) Lire();
}

void FrmRecherNom::SaiAffiche_Click() {
    if (Mode == ModeFilm::Fiche) fiche->ChoisirImage();
}

void FrmRecherNom::Autre_Click() {
    Text9->clear();
    Lire();
}

void FrmRecherNom::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
