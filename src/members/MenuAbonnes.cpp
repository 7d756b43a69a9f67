#include "members/MenuAbonnes.h"

namespace vidora {

bool OuvrirFenetreAbonnes(const QString& entree) {
    (void)entree;
    return false;
}

} // namespace vidora
