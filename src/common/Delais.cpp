#include "common/Delais.h"

namespace vidora {

std::optional<int> LireDelai(const QString& texte) {
    int i = 0;
    while (i < texte.size() && texte.at(i).isSpace())
        ++i;
    qint64 n = 0;
    int chiffres = 0;
    while (i < texte.size() && texte.at(i) >= QLatin1Char('0') && texte.at(i) <= QLatin1Char('9')) {
        if (n < 1000000) n = n * 10 + (texte.at(i).unicode() - '0');
        ++chiffres;
        ++i;
    }
    if (chiffres == 0) return std::nullopt;
    return int(std::min<qint64>(n, 1000000));
}

} // namespace vidora
