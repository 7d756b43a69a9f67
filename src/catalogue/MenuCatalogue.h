#pragma once

#include <QString>

namespace vidora {

// Opens the film window of a main-menu entry; false when the entry is not one of them.
bool OuvrirFenetreCatalogue(const QString& entree);

} // namespace vidora
