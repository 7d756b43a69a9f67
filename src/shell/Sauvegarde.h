#pragma once
// The copies of backup and restore: the club's databases, letter templates and backup record at
// the top of a folder, and the pictures of its "Images".
//
// Both write the whole new set into a work folder inside the folder they fill, every database
// checked by the engine on the way, sync it, and only then write a small journal in that folder
// that lists the renames and removals of the swap. Whoever reads the folder next first finishes a
// swap whose journal is there, or throws away a work folder without one: the folder always holds
// the previous set whole or the new one whole.

#include <QString>
#include <QStringList>

#include <functional>

namespace vidora {

// The backup record's file name.
inline const QString kFicheSauvegarde = QStringLiteral("Sauve.ser");

// The backup record of a folder: its "Sauve.ser" whatever the letter case of the name, or the path
// where a new one goes.
QString FicheSauvegarde(const QString& dossier);

// Told before each file is copied: its name, its index from 0 and the number of files of its list.
using Avancement = std::function<void(const QString& nom, int indice, int nombre)>;

// Why a folder text names no folder (empty when it does): it must be a full path.
QString RefusChemin(const QString& dossier);

// Why a folder cannot receive a backup of the application folder (empty when it can): a full path
// that the backup record can hold (its lines are Windows-1252), neither the application folder nor
// inside it nor holding it.
QString RefusDestination(const QString& destination, const QString& dossierAppli);

// Backs up the application folder into `destination` (made when missing), with `fiche` as the
// lines of its "Sauve.ser". Removes from `destination` only files that an earlier backup of this
// program wrote there (recorded in the folder) and this one does not bring again. Throws Refus
// (French, naming the file, saying what was kept) on failure; the previous backup is then whole.
void Sauvegarder(const QString& dossierAppli, const QString& destination, const QStringList& fiche,
                 const Avancement& avancer);

// Copies back into the application folder what the backup in `sauvegarde` wrote there (for a
// backup without that record, its databases, templates, record and pictures), over the existing
// files; every database of the backup is checked before anything is replaced, and the backup's own
// files are never written. Throws Refus as Sauvegarder does.
void Restaurer(const QString& sauvegarde, const QString& dossierAppli, const Avancement& avancer);

// For whatever is about to read `dossier` (the backup window when it opens a folder, start-up on
// the application folder): finishes a backup or restore swap that was interrupted there, or throws
// away what an interrupted copy left when its swap had not begun, and removes the program's own
// work folders of earlier versions. Returns one French sentence telling the operator which was
// done (or why the folder could not be set right), empty when nothing was interrupted there. Never
// touches a file of the club or of the operator.
QString ReprendreSauvegardeInterrompue(const QString& dossier);

// Whether a file name of the application folder or of its "Images" is a work file of the
// program's writes: the current form, and that of earlier versions (the file's name, a dot and six
// letters or digits). No backup or restore takes one; start-up removes them.
bool EstTravailDuProgramme(const QString& nom);

} // namespace vidora
