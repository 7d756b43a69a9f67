#include "app/Assemblage.h"

#include "catalogue/MenuCatalogue.h"
#include "members/MenuAbonnes.h"
#include "shell/FrmDepart.h"

namespace vidora {

void AssemblerProgramme() {
    static const bool fait = [] {
        EnregistrerEntreesDepart();
        EnregistrerEntreesCatalogue();
        EnregistrerEntreesAbonnes();
        return true;
    }();
    (void)fait;
}

} // namespace vidora
