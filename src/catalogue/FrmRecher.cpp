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
    Label1 = TitreListe(*this);
    Label12 = CompteListe(*this);
    MSFlexGrid1 = GrilleFilms(*this);
    Fiche = new FicheFilm(*this, 150, 1150, 11700, 6100);
    Combo4 = ChoixCategorie(*this, QStringLiteral("Catégorie"));
    connect(Combo4, &QComboBox::activated, this, &FrmRecher::Combo4_Click);
    connect(MSFlexGrid1, &MSFlexGrid::Click, this, &FrmRecher::MSFlexGrid1_Click);
    ajouterEntree("Retour", "Retour", &FrmRecher::Retour_Click);
    ajouterEntree("Enregitre", "Enregistrer", &FrmRecher::Enregitre_Click);
    ajouterEntree("SaiAffiche", "Saisir Affiche", &FrmRecher::SaiAffiche_Click);
    ajouterEntree("Autre", "Autre Film", &FrmRecher::Autre_Click);
    ajouterEntree("Effaimage", "Effecer l'image", &FrmRecher::Effaimage_Click);
    ajouterEntree("Catego", "Autre Categorie", &FrmRecher::Catego_Click);
}

void FrmRecher::charger() {
    MiseEnPlaceStandard(*this);
    for (QWidget* w :
         {static_cast<QWidget*>(Label12), static_cast<QWidget*>(MSFlexGrid1), static_cast<QWidget*>(Fiche)})
        w->hide();
    RemplirCategories(Combo4);
    Fiche->Fermer();
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmRecher::Combo4_Click() {
    CategorieChoisie = Combo4->currentText();
    Combo4->hide();
    Lire();
}

void FrmRecher::Lire() {
    Mode = ModeFilm::Liste;
    MSFlexGrid1->hide();
    Fiche->Fermer();
    Label12->setText(QStringLiteral("Nombre de film %1")
                         .arg(ListerCategorie(*MSFlexGrid1, ColonnesListeFilms(), CategorieChoisie)));
    Label12->show();
}

void FrmRecher::MSFlexGrid1_Click() {
    if (Mode != ModeFilm::Liste) return;
    const FicheFilm::Clic clic = Fiche->OuvrirLigne(*MSFlexGrid1);
    if (clic == FicheFilm::Clic::Introuvable) return Lire();
    if (clic != FicheFilm::Clic::Ouvert) return;
    menu(QStringLiteral("Catego"))->setEnabled(false);
    Mode = ModeFilm::Fiche;
}

void FrmRecher::Enregitre_Click() {
    if (Mode == ModeFilm::Fiche && Fiche->Enregistrer()) Lire();
}

void FrmRecher::SaiAffiche_Click() {
    if (Mode == ModeFilm::Fiche) Fiche->ChoisirImage();
}

void FrmRecher::Effaimage_Click() {
    if (Mode == ModeFilm::Fiche) Fiche->EffacerImage();
}

void FrmRecher::Autre_Click() {
    menu(QStringLiteral("Catego"))->setEnabled(true);
    Lire();
}

void FrmRecher::Catego_Click() {
    Combo4->show();
    MSFlexGrid1->hide();
}

void FrmRecher::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
