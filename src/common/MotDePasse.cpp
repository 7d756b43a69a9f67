#include "common/MotDePasse.h"

namespace vidora {

namespace {
// Windows-1252 codes 128 to 135, the only ones above 127 that still have a stored form.
constexpr char16_t kHaut[8] = {u'\u20AC', 0,         u'\u201A', u'\u0192',
                               u'\u201E', u'\u2026', u'\u2020', u'\u2021'};

int codeAnsi(char16_t c) {
    if (c < 128) return c;
    for (int i = 0; i < 8; ++i)
        if (kHaut[i] != 0 && kHaut[i] == c) return 128 + i;
    return -1;
}
} // namespace

std::optional<QString> BrouillerMotDePasse(const QString& texte) {
    QString res;
    res.reserve(texte.size());
    for (QChar ch : texte) {
        const int code = codeAnsi(ch.unicode());
        if (code < 0) return std::nullopt;
        res.append(QChar(char16_t(code + 120)));
    }
    return res;
}

} // namespace vidora
