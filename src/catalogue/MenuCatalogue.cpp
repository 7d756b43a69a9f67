#include "catalogue/MenuCatalogue.h"

namespace vidora {

bool OuvrirFenetreCatalogue(const QString& entree) {
    (void)entree;
    return false;
}

} // namespace vidora
