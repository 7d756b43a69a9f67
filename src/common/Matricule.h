#pragma once
// Identifiers of films and members: a zero-filled counter, the date and a letter for the month.

#include <QDate>
#include <QString>

namespace vidora {

// "01" to "12" give A B C D E G H K M N Q U; any other text gives an empty text.
QString LettreMois(const QString& mois);
// A counter's text filled on the left with zeros to three characters ("7" gives "007").
QString CompleterCompteur(const QString& compteur);
// Film identifier: padded counter, day (two digits), month letter, year (four digits).
QString ComposerMatriculeCD(const QString& compteur, const QDate& jour);
// Member identifier: padded counter, month letter, year (four digits).
QString ComposerMatriculeAbon(const QString& compteur, const QDate& jour);

} // namespace vidora
