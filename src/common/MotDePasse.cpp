#include "common/MotDePasse.h"

#include "common/Contexte.h"
#include "common/Schema.h"
#include "common/TexteFichier.h"

#include <QFileInfo>

namespace vidora {

std::optional<QString> BrouillerMotDePasse(const QString& texte) {
    QString res;
    res.reserve(texte.size());
    for (QChar ch : texte) {
        // Codes above 135 would pass 255: they have no stored form, like characters without a code.
        const int code = CodeWindows1252(ch);
        if (code < 0 || code > 135) return std::nullopt;
        res.append(QChar(char16_t(code + 120)));
    }
    return res;
}

QString MotDePasseStocke(const Recordset& passe, const QString& nomBase) {
    if (passe.Fin() || passe.EstNull(schema::Passe::Mot))
        throw ErreurBase(ErreurBase::Genre::PasUneBase,
                         QStringLiteral("La base %1 n'a pas de mot de passe utilisable.").arg(nomBase));
    return passe.Texte(schema::Passe::Mot);
}

bool MotDePasseAccepte(const QString& tape) {
    TablesFermees fermees;
    const QString nom = QFileInfo(ctx().base().chemin()).fileName();
    const QString mot = MotDePasseStocke(ctx().ouvrirTable(schema::Passe::table), nom);
    const std::optional<QString> brouille = BrouillerMotDePasse(tape.trimmed());
    return brouille && *brouille == mot;
}

} // namespace vidora
