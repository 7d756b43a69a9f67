#include "catalogue/FenetreFilms.h"

#include "catalogue/GrillesFilms.h"
#include "common/Zoom.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace vidora {

FenetreFilms::FenetreFilms(const QString& nom, const QString& titre, Compte compte) : Form(nom, titre) {
    bandeau = TitreListe(*this);
    if (compte == Compte::Avec) bandeauCompte = CompteListe(*this);
}

void FenetreFilms::poserListe(ChampsFiche champs, double hautGrille) {
    grilleFilms = GrilleFilms(*this, hautGrille);
    fiche = new FicheFilm(*this, 150, 1150, 11700, 6100, champs);
    connect(grilleFilms, &MSFlexGrid::Click, this, &FenetreFilms::ouvrirFilm);
}

void FenetreFilms::charger() {
    MiseEnPlaceStandard(*this);
    lister();
}

void FenetreFilms::ouvrirFilm() {
    if (mode != ModeFilm::Liste) return;
    const FicheFilm::Clic clic = fiche->OuvrirLigne(*grilleFilms);
    if (clic == FicheFilm::Clic::Introuvable) return lister();
    if (clic != FicheFilm::Clic::Ouvert) return;
    filmOuvert();
    mode = ModeFilm::Fiche;
}

void FenetreFilms::enregistrer() {
    if (mode == ModeFilm::Fiche && fiche->Enregistrer()) lister();
}

void FenetreFilms::choisirAffiche() {
    if (mode == ModeFilm::Fiche) fiche->ChoisirImage();
}

void FenetreFilms::effacerImage() {
    if (mode == ModeFilm::Fiche) fiche->EffacerImage();
}

void FenetreFilms::autreFilm() {
    lister();
}

void FenetreFilms::revenir() {
    RendreLaMain(this);
}

void FenetreFilmsParCategorie::poserChoixCategorie(const QString& invitation) {
    listeChoixCategorie = ChoixCategorie(*this, invitation);
    connect(listeChoixCategorie, &QComboBox::activated, this, &FenetreFilmsParCategorie::categorieChoisie);
}

void FenetreFilmsParCategorie::ajouterEntreeCategorie(const char* nom) {
    entreeCategorie_ = QString::fromLatin1(nom);
    ajouterEntree(nom, "Autre Categorie", &FenetreFilmsParCategorie::autreCategorie);
}

void FenetreFilmsParCategorie::activerEntreeCategorie(bool oui) {
    menu(entreeCategorie_)->setEnabled(oui);
}

void FenetreFilmsParCategorie::categorieChoisie() {
    categorieListee = listeChoixCategorie->currentText();
    listeChoixCategorie->hide();
    lister();
}

void FenetreFilmsParCategorie::autreFilm() {
    activerEntreeCategorie(true);
    lister();
}

void FenetreFilmsParCategorie::autreCategorie() {
    listeChoixCategorie->show();
    grilleFilms->hide();
}

} // namespace vidora
