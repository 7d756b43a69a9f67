#include "common/MotDePasse.h"

#include "common/TexteFichier.h"

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

} // namespace vidora
