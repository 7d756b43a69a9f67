#pragma once
// The Windows-1252 code page: what the club's files and the text boxes can hold.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace vidora {

// The Windows-1252 code of a character, or -1 when the code page has none for it.
int CodeWindows1252(QChar c);

// The bytes of a text file: line ends and tabs kept, the other control characters dropped, '?' for
// a character that the code page lacks.
QByteArray VersWindows1252(const QString& texte);

// What the club's stores (the database, the text files) keep of a text that a window writes, by
// whatever way it came: the control characters below 32 are dropped, the tab excepted (letter
// templates use it for layout), and a character above U+00FF that Windows-1252 lacks is given as
// one '?', as the encoder writes it. DEL and U+0080 to U+00FF stay: each is one byte that a club's
// file may hold, and the stored form of a password is made of them. A text that the boxes take
// comes back as it is.
QString TexteEnregistrable(const QString& texte);

QString DepuisWindows1252(const QByteArray& octets);

} // namespace vidora
