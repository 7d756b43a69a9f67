#pragma once

#include <QString>

#include <optional>

namespace vidora {

// A delay of the settings record read as the number its text begins with, after leading blanks:
// "15", " 15" and "15 jours" give 15; a text that begins with no digit gives std::nullopt.
std::optional<int> LireDelai(const QString& texte);

} // namespace vidora
