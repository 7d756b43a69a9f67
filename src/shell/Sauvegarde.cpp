#include "shell/Sauvegarde.h"

#include "common/Contexte.h"
#include "common/Refus.h"
#include "platform/Database.h"
#include "platform/Environnement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vidora {

namespace {

const QString kImages = QStringLiteral("Images");

[[noreturn]] void echec(const QString& fichier, const QString& raison) {
    throw Refus(QStringLiteral("LA COPIE DU FICHIER %1 A ECHOUE :\n%2")
                    .arg(QDir::toNativeSeparators(fichier), raison));
}

// The files a backup holds at the top of a folder.
QStringList fichiersDuDessus(const QString& dossier) {
    QStringList l = ListerBases(dossier) + ListerFichiers(dossier, QStringLiteral("*.let"));
    const QString fiche = TrouverFichier(dossier, kFicheSauvegarde);
    if (!fiche.isEmpty()) l << QFileInfo(fiche).fileName();
    return l;
}

QStringList images(const QString& dossier) {
    return ListerFichiers(QDir(dossier).filePath(kImages), QStringLiteral("*"));
}

// Raw bytes, written under a hidden work name (never listed as a club file) and renamed.
void copierOctets(const QString& source, const QString& cible) {
    QFile src(source);
    if (!src.open(QIODevice::ReadOnly)) echec(source, src.errorString());
    QTemporaryFile tmp(QFileInfo(cible).absolutePath() + QStringLiteral("/.vidora-XXXXXX.tmp"));
    if (!tmp.open()) echec(cible, tmp.errorString());
    // A picture goes in one read and one write; a large file in pieces of 1 MB.
    QByteArray tampon(int(std::min<qint64>(src.size() + 1, 1 << 20)), Qt::Uninitialized);
    for (;;) {
        const qint64 lu = src.read(tampon.data(), tampon.size());
        if (lu < 0) echec(source, src.errorString());
        if (lu == 0) break;
        if (tmp.write(tampon.constData(), lu) != lu) echec(cible, tmp.errorString());
    }
    tmp.setPermissions(src.permissions());
    if (!tmp.flush()) echec(cible, tmp.errorString());
    if (std::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(cible).constData()) != 0)
        echec(cible, QString::fromLocal8Bit(std::strerror(errno)));
    tmp.setAutoRemove(false);
}

// A database as the engine sees it: its journal settled, written whole, put in place of the old one.
void copierBase(const QString& source, const QString& cible) {
    QString travail;
    try {
        travail = reserverFichierDeTravail(cible);
        Database::compacter(source, travail);
        remplacerFichierBase(travail, cible);
    } catch (const ErreurBase& e) {
        if (!travail.isEmpty()) QFile::remove(travail);
        // A file that is no database of ours is copied as it stands: no journal of ours goes with it.
        if (e.genre() == ErreurBase::Genre::PasUneBase) return copierOctets(source, cible);
        echec(source, e.message());
    }
}

void copier(const QString& source, const QString& cible, bool base) {
    const QFileInfo s(source), c(cible);
    if (c.exists() && s.canonicalFilePath() == c.canonicalFilePath()) return;
    try {
        env().pointDeControle("copie-sauvegarde");
    } catch (const std::exception& e) {
        echec(source, QString::fromUtf8(e.what()));
    }
    if (base)
        copierBase(source, cible);
    else
        copierOctets(source, cible);
}

// A path with its existing part resolved (links, "..", letter case as stored).
QString cheminReel(const QString& chemin) {
    QString existant = QDir::cleanPath(QDir(chemin).absolutePath());
    QString reste;
    while (!QFileInfo::exists(existant) && existant != QFileInfo(existant).path()) {
        reste = QFileInfo(existant).fileName() + (reste.isEmpty() ? QString() : QStringLiteral("/") + reste);
        existant = QFileInfo(existant).path();
    }
    const QString reel = QFileInfo(existant).canonicalFilePath();
    return reste.isEmpty() ? reel : QDir(reel).filePath(reste);
}

bool dedans(const QString& chemin, const QString& dossier) {
    return chemin == dossier ||
           chemin.startsWith(dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/'));
}

} // namespace

QString RefusDestination(const QString& destination, const QString& dossierAppli) {
    if (destination.size() < 3 || !QDir::isAbsolutePath(destination))
        return QStringLiteral("LE DOSSIER DE SAUVEGARDE DOIT ETRE UN CHEMIN COMPLET : %1").arg(destination);
    const QString d = cheminReel(destination), a = cheminReel(dossierAppli);
    if (dedans(d, a) || dedans(a, d))
        return QStringLiteral(
                   "LA SAUVEGARDE NE PEUT SE FAIRE NI DANS LE DOSSIER DU PROGRAMME, NI DANS UN DE SES "
                   "SOUS-DOSSIERS, NI DANS UN DOSSIER QUI LE CONTIENT :\n%1")
            .arg(QDir::toNativeSeparators(destination));
    return QString();
}

void CopierSauvegarde(const QString& source, const QString& cible, bool nettoyer, const Avancement& avancer) {
    const QDir s(source), c(cible);
    if (!QFileInfo(s.filePath(kImages)).isDir())
        echec(s.filePath(kImages), QStringLiteral("ce dossier n'existe pas"));
    const QStringList dessus = fichiersDuDessus(source);
    const QStringList photos = images(source);
    if (!c.mkpath(QStringLiteral(".")) || !c.mkpath(kImages))
        echec(c.filePath(kImages), QStringLiteral("le dossier ne peut pas être créé"));
    // Only a folder that was a backup loses files, and only the backup's own kinds of file.
    if (nettoyer && !TrouverFichier(cible, kFicheSauvegarde).isEmpty()) {
        for (const QString& f : fichiersDuDessus(cible))
            if (!dessus.contains(f)) QFile::remove(c.filePath(f));
        for (const QString& f : images(cible))
            if (!photos.contains(f)) QFile::remove(c.filePath(kImages + QLatin1Char('/') + f));
    }
    for (int i = 0; i < dessus.size(); ++i) {
        avancer(dessus[i], i, int(dessus.size()));
        copier(s.filePath(dessus[i]), c.filePath(dessus[i]),
               dessus[i].endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive));
    }
    for (int i = 0; i < photos.size(); ++i) {
        avancer(photos[i], i, int(photos.size()));
        const QString nom = kImages + QLatin1Char('/') + photos[i];
        copier(s.filePath(nom), c.filePath(nom), false);
    }
}

} // namespace vidora
