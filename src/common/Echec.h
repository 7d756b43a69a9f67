#pragma once
// How a handler tells the operator that its work did not go through.

#include <QString>

#include <functional>
#include <optional>

namespace vidora {

// Runs travail and gives back what the operator is to be told when it failed: a Refus as it
// stands, any other failure as "<quoi> :\n<its reason>". Nothing when the work went through.
std::optional<QString> MessageEchec(const QString& quoi, const std::function<void()>& travail);

// Runs travail and shows its failure as MessageEchec words it; true when the work went through.
bool Tenter(const QString& quoi, const std::function<void()>& travail);

} // namespace vidora
