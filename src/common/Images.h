#pragma once
// The films' pictures in the folder "Images" of the application folder.

#include <QSet>
#include <QString>

#include <optional>

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
// (Image true), the film of key `sauf` left out. Titles that differ only by blanks around or by
// case share one file.
QSet<QString> ImagesDeLaBase(Database& db, qint64 sauf = -1);

// What a deletion leaves out when it asks which pictures are still used: the database file being
// deleted, or the film of the current database whose picture is erased (its row still says it
// has one until it is saved).
struct HorsDecompte {
    QString base;
    qint64 film = -1;
};

// The picture files still used by the films of every database of the application folder, and of
// the current database wherever it lies (read through its open connection), what `hors` names
// left out. std::nullopt when one of them could not be read (a damaged database, a file named
// like one, a folder that cannot be listed): whether a picture is free cannot be told then.
std::optional<QSet<QString>> ImagesUtilisees(const HorsDecompte& hors = {});

// The one rule for deleting pictures: removes those of `images` that no film uses any more; when
// that cannot be told, every one stays. A file that cannot be removed is left.
void EffacerImagesInutilisees(QSet<QString> images, const HorsDecompte& hors = {});

} // namespace vidora
