#include "catalogue/FrmRecher.h"

#include "catalogue/GrillesFilms.h"
#include "common/Zoom.h"
#include "platform/Grid.h"

#include <QAction>
#include <QLabel>

namespace vidora {

FrmRecher::FrmRecher()
    : FenetreFilmsParCategorie(QStringLiteral("FrmRecher"), QStringLiteral("Recherche par categorie"),
                               Compte::Avec) {
    poserListe();
    poserChoixCategorie(QStringLiteral("Catégorie"));
    ajouterEntrees(Images::ChoisirEtEffacer);
    ajouterEntreeCategorie("Catego");
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

void FrmRecher::lister() {
    mode = ModeFilm::Liste;
    grilleFilms->hide();
    fiche->Fermer();
    bandeauCompte->setText(QStringLiteral("Nombre de film %1")
                               .arg(ListerCategorie(*grilleFilms, ColonnesListeFilms(), categorieListee)));
    bandeauCompte->show();
}

void FrmRecher::filmOuvert() {
    activerEntreeCategorie(false);
}

} // namespace vidora
