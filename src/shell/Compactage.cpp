#include "shell/Compactage.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "platform/Environnement.h"

#include <QFile>
#include <QFileInfo>

namespace vidora {

void FermerBaseEnCours() {
    Contexte& c = ctx();
    c.fermerTables();
    if (c.BaseEnCours) c.BaseEnCours->fermer();
}

bool RouvrirBaseEnCours() {
    Contexte& c = ctx();
    const auto echec = MessageEchec(QStringLiteral("LA BASE NE PEUT ETRE ROUVERTE"),
                                    [&] { c.BaseEnCours = Database::ouvrir(c.CheminBase); });
    if (!echec) return true;
    c.BaseEnCours.reset();
    env().message(*echec);
    return false;
}

bool CompacterBaseEnCours() {
    const QString chemin = ctx().CheminBase;
    const QString nom = QFileInfo(chemin).fileName();
    effacerFichiersDeTravail(QFileInfo(chemin).absolutePath());
    // Replacing the file would turn it into a writable one: a read-only database is left alone.
    if (fichierEnLectureSeule(chemin)) {
        env().message(
            QStringLiteral("LA BASE %1 EST EN LECTURE SEULE : ELLE N'A PAS ETE COMPACTEE.").arg(nom));
        return false;
    }
    FermerBaseEnCours();
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
    if (!RouvrirBaseEnCours()) return false;
    if (!reussi) {
        env().message(QStringLiteral("LE COMPACTAGE A ECHOUE, LA BASE EST RESTEE INTACTE.\n%1").arg(erreur));
        return false;
    }
    env().message(QStringLiteral("Compactage de la Base de Données et Terminée"));
    return true;
}

} // namespace vidora
