#include "shell/Compactage.h"

#include "common/Contexte.h"
#include "platform/Environnement.h"

#include <QFile>
#include <QFileInfo>

namespace vidora {

bool CompacterBaseEnCours() {
    Contexte& c = ctx();
    const QString chemin = c.CheminBase;
    const QString temp = c.fichier(QStringLiteral("temp.MDB"));
    c.fermerTables();
    if (c.BaseEnCours) c.BaseEnCours->fermer();
    bool reussi = false;
    bool tempANous = false;
    QString erreur;
    try {
        // A database brought in under that very name is no leftover: it is never deleted.
        if (QFileInfo::exists(temp) &&
            QFileInfo(temp).canonicalFilePath() == QFileInfo(chemin).canonicalFilePath())
            throw ErreurBase(ErreurBase::Genre::FichierExiste,
                             QStringLiteral("la base porte le nom du fichier de travail temp.MDB"));
        // A copy left behind by an earlier run would block the compaction.
        if (QFile::exists(temp) && !QFile::remove(temp))
            throw ErreurBase(ErreurBase::Genre::Io, QStringLiteral("temp.MDB ne peut être effacé"));
        tempANous = true;
        env().pointDeControle("compactage");
        Database::compacter(chemin, temp);
        env().pointDeControle("compactage-remplacement");
        remplacerFichierBase(temp, chemin);
        reussi = true;
    } catch (const std::exception& e) {
        erreur = QString::fromUtf8(e.what());
        if (tempANous) QFile::remove(temp);
    }
    try {
        c.BaseEnCours = Database::ouvrir(chemin);
    } catch (const ErreurBase& e) {
        c.BaseEnCours.reset();
        env().message(QStringLiteral("LA BASE NE PEUT ÊTRE ROUVERTE : %1").arg(e.message()));
        return false;
    }
    if (!reussi) {
        env().message(QStringLiteral("LE COMPACTAGE A ÉCHOUÉ, LA BASE EST RESTÉE INTACTE.\n%1").arg(erreur));
        return false;
    }
    env().message(QStringLiteral("Compactage de la Base de Données et Terminée"));
    return true;
}

} // namespace vidora
