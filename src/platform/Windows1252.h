#pragma once
// The Windows-1252 code page: what the club's files and the text boxes can hold.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace vidora {

// The Windows-1252 code of a character, or -1 when the code page has none for it.
int CodeWindows1252(QChar c);

QByteArray VersWindows1252(const QString& texte);
QString DepuisWindows1252(const QByteArray& octets);

} // namespace vidora
