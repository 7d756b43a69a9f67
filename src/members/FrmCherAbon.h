#pragma once
// "Recherche/Modif": every member in a grid; a click shows the member's card, where the operator
// corrects the identity of the member and saves it with "Enregistrer".

#include "members/ListeAbonnes.h"

namespace vidora {

class FrmCherAbon : public ListeAbonnes {
    Q_OBJECT
  public:
    FrmCherAbon();
    // Writes the card's eight identity fields into the member shown, then lists again; the loan
    // slots are not touched. A member deleted meanwhile: nothing written.
    void valider() override;
};

} // namespace vidora
