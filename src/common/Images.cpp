#include "common/Images.h"

#include "common/Contexte.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "platform/RegleSaisie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vidora {

QString FichierImageFilm(const QString& titre) {
    const QString t = EnMajuscules(titre.trimmed());
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

QSet<QString> ImagesDeLaBase(Database& db, qint64 sauf) {
    const QString nom = schema::CD::Nom, image = schema::CD::Image;
    QSet<QString> fichiers;
    auto cd = db.ouvrirTable(schema::CD::table);
    for (; !cd->Fin(); cd->MoveNext())
        if (cd->Cle() != sauf && !cd->EstNull(nom) && cd->Value(image).toBool())
            fichiers.insert(FichierImageFilm(cd->Texte(nom)));
    return fichiers;
}

std::optional<QSet<QString>> ImagesUtilisees(const HorsDecompte& hors) {
    const auto absolu = [](const QString& chemin) {
        return chemin.isEmpty() ? chemin : QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
    };
    Contexte& c = ctx();
    const QString laissee = absolu(hors.base);
    const bool avecCourante = c.BaseEnCours && c.BaseEnCours->estOuverte();
    const QString courante = avecCourante ? absolu(c.BaseEnCours->chemin()) : QString();
    // A folder that cannot be listed may hide databases.
    if (!QFileInfo(c.CheminAppli).isReadable()) return std::nullopt;
    QSet<QString> fichiers;
    try {
        if (avecCourante && courante != laissee) fichiers = ImagesDeLaBase(*c.BaseEnCours, hors.film);
        for (const QString& nom : ListerBases(c.CheminAppli)) {
            const QString chemin = absolu(QDir(c.CheminAppli).filePath(nom));
            if (chemin == laissee || chemin == courante) continue;
            fichiers.unite(ImagesDeLaBase(*Database::ouvrir(chemin)));
        }
    } catch (const ErreurBase&) {
        // A damaged database of ours reads like a foreign file: either may use the picture.
        return std::nullopt;
    }
    return fichiers;
}

void EffacerImagesInutilisees(QSet<QString> images, const HorsDecompte& hors) {
    if (images.isEmpty()) return;
    const std::optional<QSet<QString>> utilisees = ImagesUtilisees(hors);
    if (!utilisees) return;
    images.subtract(*utilisees);
    for (const QString& image : images)
        QFile::remove(image);
}

} // namespace vidora
