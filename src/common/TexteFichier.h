#pragma once
// The club's text files ("Etiquette", "*.let", "Code", "Sauve.ser"): Windows-1252, lines ended by
// CR LF, as the files the club already has.

#include "platform/FichierEntier.h"
#include "platform/Windows1252.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vidora {

// The lines of a file; CR LF, LF and a lone CR all end a line, and a last line without an ending
// counts. std::nullopt when the file cannot be read.
std::optional<QStringList> LireLignes(const QString& chemin);
// Writes the lines, each followed by CR LF, replacing the file whole or not at all.
EcritureEchouee EcrireLignes(const QString& chemin, const QStringList& lignes);
// Appends the lines, each followed by CR LF: the file is replaced by its old content and the new
// lines, so a full disk leaves it as it was, never with half a line.
EcritureEchouee AjouterLignes(const QString& chemin, const QStringList& lignes);

// What the operator reads when a file could not be written: which file, why, and that the old one
// is kept.
QString MessageEcritureEchouee(const QString& chemin, const EcritureEchouee& echec);
// Replaces a file whole, or throws Refus with that message.
void EnregistrerFichier(const QString& chemin, const QByteArray& octets);

} // namespace vidora
