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
    connect(grilleFilms, &MSFlexGrid::Click, this, &FrmControle::ouvrirFilm);
    ajouterEntree("Retour", "Retour", &FrmControle::revenir);
    ajouterEntree("Enregitre", "Enregistrer", &FrmControle::enregistrer);
    ajouterEntree("Autre", "Autre Film", &FrmControle::autreFilm);
}

void FrmControle::charger() {
    MiseEnPlaceStandard(*this);
    lister();
}

void FrmControle::lister() {
    mode = ModeFilm::Liste;
    fiche->Fermer();
    PreparerGrille(*grilleFilms, colonnes(), QStringLiteral("CD"));
}

void FrmControle::ouvrirFilm() {
    if (mode != ModeFilm::Liste) return;
    const FicheFilm::Clic clic = fiche->OuvrirLigne(*grilleFilms);
    if (clic == FicheFilm::Clic::Introuvable) return lister();
    if (clic == FicheFilm::Clic::Ouvert) mode = ModeFilm::Fiche;
}

void FrmControle::enregistrer() {
    if (mode == ModeFilm::Fiche && fiche->Enregistrer()) lister();
}

void FrmControle::autreFilm() {
    lister();
}

void FrmControle::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
