#pragma once
// The ten tables of a club's database, their fields and the rows a new database receives.
// One data table that the creation and the tests share.

#include "platform/Database.h"

#include <QVariant>
#include <QVector>

namespace vidora {

// The text that marks an empty loan slot.
inline const QString MarqueVide = QStringLiteral("0");

// An address line as stored: never empty, a blank line is kept as two blanks.
inline QString LigneAdresse(const QString& s) {
    return s.trimmed().isEmpty() ? QStringLiteral("  ") : s;
}

// The tables in creation order, each with its fields in order.
const QVector<DefTable>& SchemaBase();

// A default row: field name and value, written in this order.
struct LigneDefaut {
    QString table;
    QVector<QPair<QString, QVariant>> valeurs;
};
// The default rows in the order written: Passe, Para, Special, Genre, Classe, Etat, AbonChe, CDChe.
const QVector<LigneDefaut>& LignesDefaut();

// The width of a Text field of the schema (0 when the field is not a Text field).
int LargeurChamp(const QString& table, const QString& champ);

// Brings the Text fields of a database made with narrower ones (by an earlier program) up to the
// widths above, so that it takes what the program writes today (a film identifier grows past the
// thousandth film). Only widens; every row is kept. One transaction. Throws ErreurBase when the
// file cannot be changed; it is then left as it was.
void ElargirChamps(Database& db);

// Defines the ten tables and writes the default rows into an empty database, in one transaction.
void CreerSchema(Database& db);

} // namespace vidora
