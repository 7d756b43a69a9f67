#include "shell/Installation.h"

#include "common/Contexte.h"
#include "platform/Environnement.h"
#include "shell/Sauvegarde.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vidora {

void PreparerDossierApplication() {
    const QString dossier = env().dossierApplication();
    QDir d(dossier);
    // The default letters are a first start's gift: a template the operator erased stays erased.
    const bool premierDepart = !d.exists();
    d.mkpath(QStringLiteral("."));
    d.mkpath(QStringLiteral("Images"));
    env().dossierImpressions = d.filePath(QStringLiteral("Impressions"));
    // A restore stopped midway is finished or undone before anything reads the club, and the
    // operator is told which.
    const QString reprise = ReprendreSauvegardeInterrompue(dossier);
    // What a crash left of the program's own writes, and the files that earlier versions wrote
    // aside under the file's name and six characters.
    effacerFichiersDeTravail(dossier);
    effacerFichiersDeTravail(env().dossierImpressions); // a PDF whose job was cut short
    for (const QDir& ici : {d, QDir(d.filePath(QStringLiteral("Images")))})
        for (const QString& f : ici.entryList(QDir::Files | QDir::Hidden))
            if (EstTravailDuProgramme(f)) QFile::remove(ici.filePath(f));
    const struct {
        const char* source;
        const char* cible;
        bool modele;
    } fichiers[] = {
        {":/assets/Images/tavrel.gif", "Images/tavrel.gif", false},
        {":/assets/Lisez-Moi.html", "Lisez-Moi.html", false},
        {":/assets/Rappel.let", "Rappel.let", true},
        {":/assets/Recommande.let", "Recommande.let", true},
    };
    for (const auto& f : fichiers) {
        if (f.modele && !premierDepart) continue;
        const QString cible = d.filePath(QString::fromLatin1(f.cible));
        // A club's own templates are found whatever the letter case of their names.
        const QFileInfo fi(cible);
        if (!TrouverFichier(fi.absolutePath(), fi.fileName()).isEmpty()) continue;
        if (QFile::copy(QString::fromLatin1(f.source), cible))
            QFile::setPermissions(cible,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    if (!reprise.isEmpty()) env().message(reprise);
}

} // namespace vidora
