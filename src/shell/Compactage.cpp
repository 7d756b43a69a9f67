#include "shell/Compactage.h"

#include "common/Contexte.h"
#include "platform/Environnement.h"

#include <QFile>
#include <QFileInfo>

namespace vidora {

bool CompacterBaseEnCours() {
    Contexte& c = ctx();
    const QString chemin = c.CheminBase;
    const QString nom = QFileInfo(chemin).fileName();
    effacerFichiersDeTravail(QFileInfo(chemin).absolutePath());
    // Replacing the file would turn it into a writable one: a read-only database is left alone.
    if (fichierEnLectureSeule(chemin)) {
        env().message(
            QStringLiteral("LA BASE %1 EST EN LECTURE SEULE : ELLE N'A PAS ETE COMPACTEE.").arg(nom));
        return false;
    }
    c.fermerTables();
    if (c.BaseEnCours) c.BaseEnCours->fermer();
    bool reussi = false;
    QString temp;
    QString erreur;
    try {
        temp = reserverFichierDeTravail(chemin);
        env().pointDeControle("compactage");
        Database::compacter(chemin, temp);
        QFile::setPermissions(temp, QFile::permissions(chemin));
        env().pointDeControle("compactage-remplacement");
        remplacerFichierBase(temp, chemin);
        reussi = true;
    } catch (const std::exception& e) {
        erreur = QString::fromUtf8(e.what());
        if (!temp.isEmpty()) QFile::remove(temp);
    }
    try {
        c.BaseEnCours = Database::ouvrir(chemin);
    } catch (const ErreurBase& e) {
        c.BaseEnCours.reset();
        env().message(QStringLiteral("LA BASE NE PEUT ÊTRE ROUVERTE : %1").arg(e.message()));
        return false;
    }
    if (!reussi) {
        env().message(QStringLiteral("LE COMPACTAGE A ECHOUE, LA BASE EST RESTEE INTACTE.\n%1").arg(erreur));
        return false;
    }
    env().message(QStringLiteral("Compactage de la Base de Données et Terminée"));
    return true;
}

} // namespace vidora
