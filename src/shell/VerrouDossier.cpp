#include "shell/VerrouDossier.h"

#include "platform/Environnement.h"

#include <QDir>
#include <QLockFile>

#include <memory>

namespace vidora {

bool VerrouillerDossierApplication(const QString& dossier) {
    static std::unique_ptr<QLockFile> tenu;
    const QString chemin = QDir(dossier).filePath(QStringLiteral(".VIDORA.verrou"));
    if (tenu && tenu->fileName() == chemin) return true;
    auto verrou = std::make_unique<QLockFile>(chemin);
    // Held for hours on end: only a holder that is gone makes the lock stale, never its age.
    verrou->setStaleLockTime(0);
    if (verrou->tryLock(0)) {
        tenu = std::move(verrou);
        return true;
    }
    if (verrou->error() != QLockFile::LockFailedError)
        return true; // a folder where no lock can be made (read-only) is opened as before
    env().message(QStringLiteral("VIDORA EST DEJA OUVERT SUR LE DOSSIER %1.\nCE DEUXIEME DEMARRAGE "
                                 "S'ARRETE : TRAVAILLEZ DANS LE VIDORA DEJA OUVERT.")
                      .arg(QDir::toNativeSeparators(dossier)));
    return false;
}

} // namespace vidora
