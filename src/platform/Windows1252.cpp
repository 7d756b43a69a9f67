#include "platform/Windows1252.h"

#include <algorithm>

namespace vidora {

namespace {
// Windows-1252 codes 0x80 to 0x9F; 0 where the code page has no character.
constexpr char16_t kHaut[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

int CodeWindows1252(QChar ch) {
    const char16_t c = ch.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHaut[i] != 0 && kHaut[i] == c) return 0x80 + i;
    return -1;
}

QByteArray VersWindows1252(const QString& texte) {
    QByteArray res;
    res.reserve(texte.size());
    for (QChar ch : texte) {
        const int code = CodeWindows1252(ch);
        const char16_t c = ch.unicode();
        // No other control character has a place in a text file of the club.
        if (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') continue;
        if (code >= 0) res.append(char(code));
        // The five codes the page leaves without a character were read as themselves: back as they were.
        else if (c >= 0x80 && c <= 0x9F && kHaut[c - 0x80] == 0)
            res.append(char(c));
        else
            res.append('?');
    }
    return res;
}

QString TexteEnregistrable(const QString& texte) {
    const auto garde = [](QChar ch) {
        const char16_t c = ch.unicode();
        if (c < 0x20) return c == u'\t';
        return c <= 0xFF || CodeWindows1252(ch) >= 0;
    };
    if (std::all_of(texte.begin(), texte.end(), garde)) return texte;
    QString res;
    res.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar ch = texte.at(i);
        if (garde(ch)) {
            res += ch;
        } else if (ch.unicode() >= 0x80) {
            // A character beyond the first plane is one '?', not one per half.
            if (ch.isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate()) ++i;
            res += QLatin1Char('?');
        }
    }
    return res;
}

QString DepuisWindows1252(const QByteArray& octets) {
    QString res;
    res.reserve(octets.size());
    for (const char o : octets) {
        const uchar u = uchar(o);
        if (u >= 0x80 && u <= 0x9F)
            res.append(kHaut[u - 0x80] ? QChar(kHaut[u - 0x80]) : QChar(u));
        else
            res.append(QChar(u));
    }
    return res;
}

} // namespace vidora
