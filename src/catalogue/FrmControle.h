#pragma once
// The physical check: every film with its state; a click shows the film's card, where only the
// state is meant to change, and "Enregistrer" stores that state alone.

#include "catalogue/FenetreFilms.h"

namespace vidora {

class FrmControle : public FenetreFilms {
    Q_OBJECT
  public:
    FrmControle();
    // The list state: every film, the card hidden.
    void lister() override;
};

} // namespace vidora
