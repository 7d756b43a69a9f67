#pragma once
// The search by category: the operator chooses a category, the window lists its films in table
// order with their number, and a click opens the film card, where the film is changed and saved.

#include "catalogue/FicheFilm.h"
#include "platform/Form.h"

#include <QString>

class QComboBox;
class QLabel;

namespace vidora {

class MSFlexGrid;

class FrmRecher : public Form {
    Q_OBJECT
  public:
    FrmRecher();
    void charger() override;
    // A category chosen from the chooser's list.
    void categorieChoisie();
    // The list state: the films of the chosen category, the card hidden.
    void lister();
    void ouvrirFilm();
    void enregistrer();
    void choisirAffiche();
    void effacerImage();
    void autreFilm();
    void autreCategorie();
    void revenir();

    QComboBox* listeChoixCategorie;
    QLabel* bandeau;
    QLabel* bandeauCompte;
    MSFlexGrid* grilleFilms;
    FicheFilm* fiche;
    QString categorieListee;
    ModeFilm mode = ModeFilm::Liste;
};

} // namespace vidora
