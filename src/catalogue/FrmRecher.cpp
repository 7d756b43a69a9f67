#include "catalogue/FrmRecher.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/GrillesFilms.h"
#include "catalogue/ImageFilm.h"
#include "common/Grilles.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace vidora {

FrmRecher::FrmRecher() : Form(QStringLiteral("FrmRecher"), QStringLiteral("Recherche par categorie")) {
    bandeau = TitreListe(*this);
    bandeauCompte = CompteListe(*this);
    grilleFilms = GrilleFilms(*this);
    fiche = new FicheFilm(*this, 150, 1150, 11700, 6100);
    listeChoixCategorie = ChoixCategorie(*this, QStringLiteral("Catégorie"));
    connect(listeChoixCategorie, &QComboBox::activated, this, &FrmRecher::categorieChoisie);
    connect(grilleFilms, &MSFlexGrid::Click, this, &FrmRecher::ouvrirFilm);
    ajouterEntree("Retour", "Retour", &FrmRecher::revenir);
    ajouterEntree("Enregitre", "Enregistrer", &FrmRecher::enregistrer);
    ajouterEntree("SaiAffiche", "Saisir Affiche", &FrmRecher::choisirAffiche);
    ajouterEntree("Autre", "Autre Film", &FrmRecher::autreFilm);
    ajouterEntree("Effaimage", "Effecer l'image", &FrmRecher::effacerImage);
    ajouterEntree("Catego", "Autre Categorie", &FrmRecher::autreCategorie);
}

void FrmRecher::charger() {
    MiseEnPlaceStandard(*this);
    for (QWidget* w : {static_cast<QWidget*>(bandeauCompte), static_cast<QWidget*>(grilleFilms),
                       static_cast<QWidget*>(fiche)})
        w->hide();
    RemplirCategories(listeChoixCategorie);
    fiche->Fermer();
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmRecher::categorieChoisie() {
    categorieListee = listeChoixCategorie->currentText();
    listeChoixCategorie->hide();
    lister();
}

void FrmRecher::lister() {
    mode = ModeFilm::Liste;
    grilleFilms->hide();
    fiche->Fermer();
    bandeauCompte->setText(QStringLiteral("Nombre de film %1")
                               .arg(ListerCategorie(*grilleFilms, ColonnesListeFilms(), categorieListee)));
    bandeauCompte->show();
}

void FrmRecher::ouvrirFilm() {
    if (mode != ModeFilm::Liste) return;
    const FicheFilm::Clic clic = fiche->OuvrirLigne(*grilleFilms);
    if (clic == FicheFilm::Clic::Introuvable) return lister();
    if (clic != FicheFilm::Clic::Ouvert) return;
    menu(QStringLiteral("Catego"))->setEnabled(false);
    mode = ModeFilm::Fiche;
}

void FrmRecher::enregistrer() {
    if (mode == ModeFilm::Fiche && fiche->Enregistrer()) lister();
}

void FrmRecher::choisirAffiche() {
    if (mode == ModeFilm::Fiche) fiche->ChoisirImage();
}

void FrmRecher::effacerImage() {
    if (mode == ModeFilm::Fiche) fiche->EffacerImage();
}

void FrmRecher::autreFilm() {
    menu(QStringLiteral("Catego"))->setEnabled(true);
    lister();
}

void FrmRecher::autreCategorie() {
    listeChoixCategorie->show();
    grilleFilms->hide();
}

void FrmRecher::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
