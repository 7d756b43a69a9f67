#pragma once
// The main menu's entries that open something. Each part of the program registers its own under
// the entry's name; the main window opens what the chosen entry registered.

#include <QString>

#include <functional>

namespace vidora {

void EnregistrerEntree(const QString& nom, std::function<void()> ouvrir);
// What the entry opens; an empty function when nothing is registered under its name.
std::function<void()> EntreeEnregistree(const QString& nom);

} // namespace vidora
