#pragma once
// The physical check: every film with its state; a click shows the film's card, where only the
// state is meant to change, and "Enregistrer" stores that state alone.

#include "catalogue/FicheFilm.h"
#include "platform/Form.h"

class QLabel;

namespace vidora {

class MSFlexGrid;

class FrmControle : public Form {
    Q_OBJECT
  public:
    FrmControle();
    void charger() override;
    // The list state: every film, the card hidden.
    void lister();
    void ouvrirFilm();
    void enregistrer();
    void autreFilm();
    void revenir();

    QLabel* bandeau;
    MSFlexGrid* grilleFilms;
    FicheFilm* fiche;
    ModeFilm mode = ModeFilm::Liste;
};

} // namespace vidora
