#pragma once
// Identifiers of films and members: a zero-filled counter, the date and a letter for the month.

#include <QDate>
#include <QString>

namespace vidora {

// The largest counters whose identifiers fit the 10 characters of their field: a film's takes
// seven characters besides its counter (day, month letter, year), a member's five.
constexpr qint64 kDernierCompteurFilm = 999;
constexpr qint64 kDernierCompteurAbonne = 99999;

// "01" to "12" give A B C D E G H K M N Q U; any other text gives an empty text.
QString LettreMois(const QString& mois);
// A counter's text filled on the left with zeros to three characters ("7" gives "007").
QString CompleterCompteur(const QString& compteur);
// Film identifier: padded counter, day (two digits), month letter, year (four digits).
QString ComposerMatriculeCD(const QString& compteur, const QDate& jour);
// Member identifier: padded counter, month letter, year (four digits).
QString ComposerMatriculeAbon(const QString& compteur, const QDate& jour);

} // namespace vidora
