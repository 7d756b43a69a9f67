#include "catalogue/MenuCatalogue.h"

#include "catalogue/FrmListe.h"
#include "catalogue/FrmSaisir.h"
#include "shell/Ouverture.h"

namespace vidora {

bool OuvrirFenetreCatalogue(const QString& entree) {
    if (entree == QLatin1String("Saisi")) {
        OuvrirParDessus<FrmSaisir>();
        return true;
    }
    if (entree == QLatin1String("Liste")) {
        OuvrirParDessus<FrmListe>();
        return true;
    }
    return false;
}

} // namespace vidora
