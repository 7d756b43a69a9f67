#pragma once

#include <QString>

namespace vidora {

// Opens the member or lending window of a main-menu entry; false when it is not one of them.
bool OuvrirFenetreAbonnes(const QString& entree);

} // namespace vidora
