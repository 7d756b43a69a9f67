#include "platform/Application.h"
#include "shell/Copyright.h"
#include "shell/Installation.h"

#include <QApplication>
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

    vidora::PreparerDossierApplication();
    auto* splash = new vidora::Copyright;
    splash->charger();
    return QApplication::exec();
}
