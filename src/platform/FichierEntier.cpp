#include "platform/FichierEntier.h"

#include "platform/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidora {

namespace {

EcritureEchouee echec(int erreur) {
    return {raisonSysteme(erreur), erreur == ENOSPC || erreur == EDQUOT || erreur == EFBIG};
}

// fsync of a path opened read-only: enough for a folder, and for a file whose writes are done.
int synchroniser(const QString& chemin) {
    const int fd = open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    int erreur = 0;
    if (fsync(fd) != 0 && errno != EINVAL) erreur = errno; // EINVAL: a folder that cannot be synced
    close(fd);
    return erreur;
}

QString dossierDe(const QString& chemin) {
    return QFileInfo(chemin).absolutePath();
}

void donnerDroits(const QString& travail, const QString& chemin) {
    const QFileInfo ancien(chemin);
    QFile::setPermissions(travail, ancien.exists() ? ancien.permissions()
                                                   : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                         QFile::ReadOther);
}

// A new work file beside `chemin`, open for writing; -1 with errno set when the folder refuses it.
int creerTravail(const QString& chemin, QString* travail) {
    QByteArray modele = QFile::encodeName(chemin + QStringLiteral(".XXXXXX.travail"));
    const int fd = mkostemps(modele.data(), 8, O_CLOEXEC);
    if (fd >= 0) *travail = QFile::decodeName(modele);
    return fd;
}

} // namespace

QString ReserverFichierEntier(const QString& chemin) {
    QString travail;
    const int fd = creerTravail(chemin, &travail);
    if (fd < 0) return {};
    close(fd);
    return travail;
}

EcritureEchouee InstallerFichierEntier(const QString& travail, const QString& chemin) {
    const auto abandon = [&](int erreur) {
        QFile::remove(travail);
        return echec(erreur);
    };
    donnerDroits(travail, chemin);
    if (const int e = synchroniser(travail)) return abandon(e);
    if (std::rename(QFile::encodeName(travail).constData(), QFile::encodeName(chemin).constData()) != 0)
        return abandon(errno);
    // The rename is done; a folder that will not sync still holds the new file, so only say it.
    if (const int e = synchroniser(dossierDe(chemin))) {
        auto r = echec(e);
        r.ancienConserve = false;
        return r;
    }
    return {};
}

EcritureEchouee EcrireFichierEntier(const QString& chemin, const QByteArray& octets) {
    QString travail;
    const int fd = creerTravail(chemin, &travail);
    if (fd < 0) return echec(errno);
    // Unbuffered, every write checked: a short write on a full disk is a failure, never a file.
    int erreur = 0;
    for (qsizetype fait = 0; fait < octets.size();) {
        const ssize_t e = write(fd, octets.constData() + fait, std::size_t(octets.size() - fait));
        if (e < 0 && errno == EINTR) continue;
        if (e <= 0) {
            erreur = e < 0 ? errno : ENOSPC; // a write that takes nothing: no room left
            break;
        }
        fait += e;
    }
    if (!erreur && fsync(fd) != 0) erreur = errno;
    if (close(fd) != 0 && !erreur) erreur = errno;
    if (erreur) {
        QFile::remove(travail);
        return echec(erreur);
    }
    return InstallerFichierEntier(travail, chemin);
}

bool SynchroniserSurDisque(const QString& chemin) {
    return synchroniser(chemin) == 0;
}

bool EstFichierDeTravail(const QString& nom) {
    static const QRegularExpression forme(QStringLiteral("\\.[A-Za-z0-9]{6}\\.travail$"));
    return forme.match(nom).hasMatch();
}

} // namespace vidora
