#include "catalogue/FrmControle.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/GrillesFilms.h"
#include "catalogue/ImageFilm.h"
#include "common/Grilles.h"
#include "common/Zoom.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, QStringLiteral("MatriculeCD")),
        Colonne(QStringLiteral("TITRE DU FILM"), 5800, QStringLiteral("Nom")),
        Colonne(QStringLiteral("ETAT"), 1500, QStringLiteral("Etat")),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 1400),
    };
    return c;
}
} // namespace

FrmControle::FrmControle()
    : Form(QStringLiteral("FrmControle"), QString::fromUtf8("Control Physique des Films")) {
    bandeau = TitreListe(*this);
    grilleFilms = GrilleFilms(*this, 700); // no count under the title
    fiche = new FicheFilm(*this, 150, 1150, 11700, 6100, ChampsFiche::EtatSeul);
    // This window knows the card's category and speciality boxes as Text8 and Text9.
    Text8 = fiche->caseCategorie;
    Text9 = fiche->caseSpecialite;
    Text8->setObjectName(QStringLiteral("Text8"));
    Text9->setObjectName(QStringLiteral("Text9"));
    connect(grilleFilms, &MSFlexGrid::Click, this, &FrmControle::MSFlexGrid1_Click);
    ajouterEntree("Retour", "Retour", &FrmControle::Retour_Click);
    ajouterEntree("Enregitre", "Enregistrer", &FrmControle::Enregitre_Click);
    ajouterEntree("Autre", "Autre Film", &FrmControle::Autre_Click);
}

void FrmControle::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmControle::Lire() {
    Mode = ModeFilm::Liste;
    fiche->Fermer();
    PreparerGrille(*grilleFilms, colonnes(), QStringLiteral("CD"));
}

void FrmControle::MSFlexGrid1_Click() {
    if (Mode != ModeFilm::Liste) return;
    const FicheFilm::Clic clic = fiche->OuvrirLigne(*grilleFilms);
    if (clic == FicheFilm::Clic::Introuvable) return Lire();
    if (clic == FicheFilm::Clic::Ouvert) Mode = ModeFilm::Fiche;
}

void FrmControle::Enregitre_Click() {
    if (Mode == ModeFilm::Fiche && fiche->Enregistrer()) Lire();
}

void FrmControle::Autre_Click() {
    Lire();
}

void FrmControle::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
