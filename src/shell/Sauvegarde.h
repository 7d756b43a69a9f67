#pragma once
// The copies of backup and restore: the club's databases, letter templates and backup record at
// the top of a folder, and the pictures of its "Images".
//
// Both are written whole into a work folder inside the folder they fill, every database checked by
// the engine on the way, and only then put in place file by file by renames: a failure before that
// changes nothing, and an interruption leaves each file old or new.

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
// lines of its "Sauve.ser", put in place last. Removes from `destination` only what an earlier
// backup of this program wrote there (recorded in the folder) and this one does not bring again.
// Throws Refus (French, naming the file, saying what was kept) on the first failure.
void Sauvegarder(const QString& dossierAppli, const QString& destination, const QStringList& fiche,
                 const Avancement& avancer);

// Copies back into the application folder what the backup in `sauvegarde` wrote there (for a
// backup without that record, its databases, templates, record and pictures), over the existing
// files; every database of the backup is checked before anything is replaced. Throws Refus as
// Sauvegarder does.
void Restaurer(const QString& sauvegarde, const QString& dossierAppli, const Avancement& avancer);

// Removes what an interrupted backup or restore left in a folder and in its "Images": the work
// folder, and the work files of earlier versions. Never a file of the club.
void EffacerTravauxSauvegarde(const QString& dossier);

} // namespace vidora
