#include "common/Images.h"

#include "common/Contexte.h"

#include <QDir>

namespace vidora {

QString FichierImageFilm(const QString& titre) {
    const QString t = titre.trimmed().toUpper();
    QString nom;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        const bool interdit = c.unicode() < 32 || c.unicode() == 127 ||
                              QStringLiteral("/\\:*?\"<>|%").contains(c) || (i == 0 && c == QLatin1Char('.'));
        if (!interdit) {
            nom += c;
            continue;
        }
        for (const char octet : QString(c).toUtf8())
            nom += QStringLiteral("%%1").arg(uint(uchar(octet)), 2, 16, QLatin1Char('0')).toUpper();
    }
    return QDir(ctx().CheminAppli).filePath(QStringLiteral("Images/") + nom + QStringLiteral(".BMP"));
}

QString ImageDefaut() {
    return QDir(ctx().CheminAppli).filePath(QStringLiteral("Images/tavrel.gif"));
}

} // namespace vidora
