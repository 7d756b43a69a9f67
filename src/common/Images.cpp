#include "common/Images.h"

#include "common/Contexte.h"
#include "platform/Database.h"
#include "platform/RegleSaisie.h"

#include <QDir>
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

QSet<QString> ImagesDeLaBase(Database& db) {
    const QString nom = QStringLiteral("Nom"), image = QStringLiteral("Image");
    QSet<QString> fichiers;
    auto cd = db.ouvrirTable(QStringLiteral("CD"));
    for (; !cd->Fin(); cd->MoveNext())
        if (!cd->EstNull(nom) && cd->Value(image).toBool()) fichiers.insert(FichierImageFilm(cd->Texte(nom)));
    return fichiers;
}

QSet<QString> ImagesUtilisees(const QString& sauf) {
    const auto absolu = [](const QString& chemin) {
        return chemin.isEmpty() ? chemin : QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
    };
    Contexte& c = ctx();
    const QString laissee = absolu(sauf);
    const bool avecCourante = c.BaseEnCours && c.BaseEnCours->estOuverte();
    const QString courante = avecCourante ? absolu(c.BaseEnCours->chemin()) : QString();
    QSet<QString> fichiers;
    // The current database is read even when it lies elsewhere; a failure to read it is the
    // caller's, since its films may well use the picture.
    if (avecCourante && courante != laissee) fichiers = ImagesDeLaBase(*c.BaseEnCours);
    for (const QString& nom : ListerBases(c.CheminAppli)) {
        const QString chemin = absolu(QDir(c.CheminAppli).filePath(nom));
        if (chemin == laissee || chemin == courante) continue;
        try {
            fichiers.unite(ImagesDeLaBase(*Database::ouvrir(chemin)));
        } catch (const ErreurBase&) {
            // A file that is not one of our databases holds no picture of ours.
        }
    }
    return fichiers;
}

} // namespace vidora
