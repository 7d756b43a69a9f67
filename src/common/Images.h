#pragma once
// The films' pictures in the folder "Images" of the application folder.

#include <QString>

namespace vidora {

// The picture file of a film: "Images/<title>.BMP", the title trimmed and upper-cased. Characters
// that a file name cannot hold here (/ \ : * ? " < > |, control characters), a leading dot and
// "%" itself are written as %XX, so every title gives exactly one file, always inside "Images",
// and two titles never share one.
QString FichierImageFilm(const QString& titre);

// The default picture shown for a film without its own.
QString ImageDefaut();

} // namespace vidora
