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
    connect(listeChoixCategorie, &QComboBox::activated, this, &FrmRecher::Combo4_Click);
    connect(grilleFilms, &MSFlexGrid::Click, this, &FrmRecher::MSFlexGrid1_Click);
    ajouterEntree("Retour", "Retour", &FrmRecher::Retour_Click);
    ajouterEntree("Enregitre", "Enregistrer", &FrmRecher::Enregitre_Click);
    ajouterEntree("SaiAffiche", "Saisir Affiche", &FrmRecher::SaiAffiche_Click);
    ajouterEntree("Autre", "Autre Film", &FrmRecher::Autre_Click);
    ajouterEntree("Effaimage", "Effecer l'image", &FrmRecher::Effaimage_Click);
    ajouterEntree("Catego", "Autre Categorie", &FrmRecher::Catego_Click);
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

void FrmRecher::Combo4_Click() {
    CategorieChoisie = listeChoixCategorie->currentText();
    listeChoixCategorie->hide();
    Lire();
}

void FrmRecher::Lire() {
    Mode = ModeFilm::Liste;
    grilleFilms->hide();
    fiche->Fermer();
    bandeauCompte->setText(QStringLiteral("Nombre de film %1")
                               .arg(ListerCategorie(*grilleFilms, ColonnesListeFilms(), CategorieChoisie)));
    bandeauCompte->show();
}

void FrmRecher::MSFlexGrid1_Click() {
    if (Mode != ModeFilm::Liste) return;
    const FicheFilm::Clic clic = fiche->OuvrirLigne(*grilleFilms);
    if (clic == FicheFilm::Clic::Introuvable) return Lire();
    if (clic != FicheFilm::Clic::Ouvert) return;
    menu(QStringLiteral("Catego"))->setEnabled(false);
    Mode = ModeFilm::Fiche;
}

void FrmRecher::Enregitre_Click() {
    if (Mode == ModeFilm::Fiche && fiche->Enregistrer()) Lire();
}

void FrmRecher::SaiAffiche_Click() {
    if (Mode == ModeFilm::Fiche) fiche->ChoisirImage();
}

void FrmRecher::Effaimage_Click() {
    if (Mode == ModeFilm::Fiche) fiche->EffacerImage();
}

void FrmRecher::Autre_Click() {
    menu(QStringLiteral("Catego"))->setEnabled(true);
    Lire();
}

void FrmRecher::Catego_Click() {
    listeChoixCategorie->show();
    grilleFilms->hide();
}

void FrmRecher::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
