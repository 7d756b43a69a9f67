#pragma once
// "Supprimer Abonné": every member in a grid; a click shows the member's card for checking, and
// "Supprimer" deletes that member with its loan slots.

#include "members/ListeAbonnes.h"

namespace vidora {

class FrmSuppAbon : public ListeAbonnes {
    Q_OBJECT
  public:
    FrmSuppAbon();
    // Deletes the member shown, then lists again. The films of its loan slots keep their count of
    // copies on the shelf. A member deleted meanwhile: nothing deleted.
    void valider() override;
};

} // namespace vidora
