#include "members/MenuLettres.h"

namespace vidora {

bool OuvrirFenetreLettres(const QString& entree) {
    (void)entree;
    return false;
}

} // namespace vidora
