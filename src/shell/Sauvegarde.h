#pragma once
// The copies of backup and restore: the club's databases, letter templates and backup record at
// the top of a folder, and the pictures of its "Images".

#include <QString>

#include <functional>

namespace vidora {

// The backup record's file name.
inline const QString kFicheSauvegarde = QStringLiteral("Sauve.ser");

// Told before each file is copied: its name, its index from 0 and the number of files of its list.
using Avancement = std::function<void(const QString& nom, int indice, int nombre)>;

// Copies what a backup holds from the folder `source` into the folder `cible` (made when missing):
// the databases, the "*.let" and "Sauve.ser" at the top, then every file of "Images". Each file is
// written under a work name beside its target and renamed into place, so an interruption leaves
// each file old or new; a database goes through the engine, never as raw bytes. A file whose
// source and target are the same is skipped. With `nettoyer`, a target that already holds a
// backup record first loses the backup files that this copy does not bring again, and nothing
// else. Throws Refus (a French message naming the file) on the first failure.
void CopierSauvegarde(const QString& source, const QString& cible, bool nettoyer, const Avancement& avancer);

// Why a folder cannot receive a backup of the application folder (empty when it can): it must be
// a full path, neither the application folder nor inside it nor holding it.
QString RefusDestination(const QString& destination, const QString& dossierAppli);

} // namespace vidora
