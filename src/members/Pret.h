#pragma once
// The lend of a film into a member's free loan slot and its return: each changes the member's
// slot and the film's copies on the shelf together, in one transaction, or changes nothing.

#include <QString>

#include <optional>

namespace vidora {

// The copies of a film on the shelf (CD.Sortie) as a whole number; std::nullopt when the text is
// not one (blanks around are allowed).
std::optional<qint64> ExemplairesEnRayon(const QString& sortie);

// Lends the film of CD row cleFilm to the member of Abonne row cleAbonne, in slot k (1 to 3):
// the slot receives the film's identifier and title, today and today plus DelaiMini days; the
// film has one copy less on the shelf. Throws Refus (French, complete) when the delay is not a
// number, the film or the member is gone, no copy is left or the slot is not free; ErreurBase
// when the engine fails. Nothing is written unless everything is.
void PreterFilm(qint64 cleAbonne, int k, qint64 cleFilm);

// Takes back the film held in slot k of the member of Abonne row cleAbonne: the film is the one
// with the slot's identifier, or when none has it, the first with the slot's title; it gets one
// copy more on the shelf. The slot is emptied and its reminder level set to 0, even when the film
// is found nowhere. A film whose count is no whole number of copies or cannot rise keeps it as it
// is: the French message returned then says which film's count must be corrected (empty otherwise).
// Throws Refus when the member is gone or the slot is free; ErreurBase when the engine fails.
// Nothing is written unless everything is.
[[nodiscard]] QString RendreFilm(qint64 cleAbonne, int k);

} // namespace vidora
