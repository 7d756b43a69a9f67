#pragma once
// The films' pictures in the folder "Images" of the application folder.

#include <QSet>
#include <QString>

namespace vidora {

class Database;

// The picture file of a film: "Images/<title>.BMP", the title trimmed and upper-cased. Characters
// that a file name cannot hold here (/ \ : * ? " < > |, control characters), a leading dot and
// "%" itself are written as %XX, so every title gives exactly one file, always inside "Images",
// and two titles never share one.
QString FichierImageFilm(const QString& titre);

// The default picture shown for a film without its own.
QString ImageDefaut();

// The picture files that a database's films use: those of its films with their own picture
// (Image true). Titles that differ only by blanks around or by case share one file.
QSet<QString> ImagesDeLaBase(Database& db);
// The picture files still used by the films of every database of the application folder, the
// database file sauf left out (one being deleted): the one rule that says whether a picture may
// go. The current database is read through its open connection; a file that is not one of our
// databases uses none.
QSet<QString> ImagesUtilisees(const QString& sauf = QString());

} // namespace vidora
