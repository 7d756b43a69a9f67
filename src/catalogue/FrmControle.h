#pragma once
// The physical check: every film with its state; a click shows the film's card, where only the
// state is meant to change, and "Enregistrer" stores that state alone.

#include "catalogue/FicheFilm.h"
#include "platform/Form.h"

class QLabel;
class QLineEdit;

namespace vidora {

class MSFlexGrid;

class FrmControle : public Form {
    Q_OBJECT
  public:
    FrmControle();
    void charger() override;
    // The list state: every film, the card hidden.
    void Lire();
    void MSFlexGrid1_Click();
    void Enregitre_Click();
    void Autre_Click();
    void Retour_Click();

    QLabel* bandeau;
    MSFlexGrid* grilleFilms;
    FicheFilm* fiche;
    QLineEdit* Text8; // the card's category box
    QLineEdit* Text9; // the card's speciality box
    ModeFilm Mode = ModeFilm::Liste;
};

} // namespace vidora
