#pragma once
// The search by category: the operator chooses a category, the window lists its films in table
// order with their number, and a click opens the film card, where the film is changed and saved.

#include "catalogue/FenetreFilms.h"

namespace vidora {

class FrmRecher : public FenetreFilmsParCategorie {
    Q_OBJECT
  public:
    FrmRecher();
    void charger() override;
    // The list state: the films of the chosen category, the card hidden.
    void lister() override;

  protected:
    void filmOuvert() override;
};

} // namespace vidora
