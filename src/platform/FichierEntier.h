#pragma once
// Files replaced whole or not at all. The new content goes into a work file beside the old one
// ("<name>.XXXXXX.travail", which start-up removes), every write and the flush checked, synced to
// the disk, then renamed over the old file and the folder synced. On any failure the work file goes
// and the old file stays as it was.

#include <QByteArray>
#include <QString>

namespace vidora {

// The result of a write: empty when the file is whole on the disk, else the reason in French
// ("le disque est plein"...), for a message that names the file.
struct EcritureEchouee {
    QString raison;
    bool disquePlein = false;
    // False once the new file took the old one's place (only its folder failed to sync).
    bool ancienConserve = true;
    explicit operator bool() const { return !raison.isEmpty(); }
};

// Replaces (or creates) `chemin` with `octets`. A new file gets the rights of the old one, or
// read-write for its owner and readable by the others.
EcritureEchouee EcrireFichierEntier(const QString& chemin, const QByteArray& octets);

// A new, empty work file beside `chemin`, for a writer that fills a file by name (the printer);
// empty when the folder refuses it.
QString ReserverFichierEntier(const QString& chemin);
// Puts a filled work file in place of `chemin` once it is whole: synced, renamed, folder synced.
// On failure the work file is removed and `chemin` is untouched.
EcritureEchouee InstallerFichierEntier(const QString& travail, const QString& chemin);

// Syncs a file or a folder to the disk; false when the device refused.
bool SynchroniserSurDisque(const QString& chemin);

// Whether a file name is one of the work files above.
bool EstFichierDeTravail(const QString& nom);

} // namespace vidora
