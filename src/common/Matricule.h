#pragma once
// Identifiers of films and members: a zero-filled counter, the date and a letter for the month.

#include <QDate>
#include <QString>

namespace vidora {

// The largest counters. A member's identifier takes five characters besides its counter (month
// letter, year) and must fit the 10 of its field. A film's takes seven (day, month letter, year)
// and grows with its counter past 999: up to 12 characters, within the 15 of the fields that hold
// it (the film's own and the loan slots').
constexpr qint64 kDernierCompteurFilm = 99999;
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
