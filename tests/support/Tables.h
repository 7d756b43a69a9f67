#pragma once
// Rows put straight into the current database and read back whole, for the tests that check what
// a window wrote.

#include <QList>
#include <QMap>
#include <QString>

namespace vidora_test {

using Ligne = QMap<QString, QString>;

void ajouterLigne(const QString& table, const Ligne& valeurs);
// Every row of a table in table order, each field as text.
QList<Ligne> lignes(const QString& table);
// Puts a text into a field of the last row of a table as another tool does, past the rules and
// the widths that this program's own writes keep.
void ecrireParUnAutreOutil(const QString& table, const QString& champ, const QString& texte);
// A member with three empty loan slots, first name "JEAN"; v adds or replaces fields.
void ajouterAbonne(const QString& matricule, const QString& nom, Ligne v = {});

} // namespace vidora_test
