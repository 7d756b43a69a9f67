#pragma once

#include <QString>

#include <optional>

namespace vidora {

// The stored form of a password: each Windows-1252 code c of the typed text becomes the character
// of code c + 120. A character without a Windows-1252 code, or whose code is above 135, has no
// stored form: the result is then empty (std::nullopt) and such a password never matches.
std::optional<QString> BrouillerMotDePasse(const QString& texte);

class Recordset;

// The stored password of a database's Passe record. Without one (no row, or a Null Mot) no typed
// password can match: throws ErreurBase (PasUneBase) naming the database.
QString MotDePasseStocke(const Recordset& passe, const QString& nomBase);

// Whether a typed password, trimmed of outer blanks, is the one the current database keeps;
// false when it has no stored form. Throws ErreurBase when the stored password cannot be read.
bool MotDePasseAccepte(const QString& tape);

// The default password of a new database, in clear.
inline const QString MotDePasseDefaut = QStringLiteral("VIDORA");

} // namespace vidora
