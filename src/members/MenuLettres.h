#pragma once

#include <QString>

namespace vidora {

// Opens the letter window of a main-menu entry; false when it is not one of them.
bool OuvrirFenetreLettres(const QString& entree);

} // namespace vidora
