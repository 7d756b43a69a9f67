#include "app/Assemblage.h"
#include "platform/Application.h"
#include "platform/Environnement.h"
#include "shell/Copyright.h"
#include "shell/Installation.h"
#include "shell/VerrouDossier.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    vidora::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VIDORA"));
    QApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Qt's own buttons in French: "Oui", "Non", "Annuler".
    QTranslator qtFr;
    if (qtFr.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFr);

    // On a folder already made, the lock comes first: start-up's clean-up would remove the work
    // files of a copy running there. A first start makes the folder, then locks it.
    const QString dossier = vidora::env().dossierApplication();
    const bool existant = QFileInfo::exists(dossier);
    if (!existant) vidora::PreparerDossierApplication();
    if (!vidora::VerrouillerDossierApplication(dossier)) return 1;
    if (existant) vidora::PreparerDossierApplication();
    vidora::AssemblerProgramme();
    auto* splash = new vidora::Copyright;
    splash->charger();
    return QApplication::exec();
}
