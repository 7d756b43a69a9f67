#pragma once
// The club's text files ("Etiquette", "*.let", "Code", "Sauve.ser"): Windows-1252, lines ended by
// CR LF, as the files the club already has.

#include "platform/Windows1252.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vidora {

// The lines of a file; CR LF, LF and a lone CR all end a line, and a last line without an ending
// counts. std::nullopt when the file cannot be read.
std::optional<QStringList> LireLignes(const QString& chemin);
// Writes the lines, each followed by CR LF, replacing the file (written aside under a work name
// ending in ".travail", then renamed).
bool EcrireLignes(const QString& chemin, const QStringList& lignes);
// Appends the lines, each followed by CR LF.
bool AjouterLignes(const QString& chemin, const QStringList& lignes);

} // namespace vidora
