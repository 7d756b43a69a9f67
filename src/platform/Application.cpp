#include "platform/Application.h"

#include "platform/Environnement.h"

#include <QFont>

#include <exception>

namespace vidora {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The windows' design font has no Linux face: it takes the metric twin of Arial, so that every
    // text keeps the width its control was placed for (fontconfig would give a wider face).
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
}

bool Application::notify(QObject* cible, QEvent* evenement) {
    try {
        return QApplication::notify(cible, evenement);
    } catch (const std::exception& e) {
        env().message(QStringLiteral("UNE ERREUR INATTENDUE A INTERROMPU L'OPERATION :\n%1")
                          .arg(QString::fromUtf8(e.what())));
    } catch (...) {
        env().message(QStringLiteral("UNE ERREUR INATTENDUE A INTERROMPU L'OPERATION."));
    }
    return false;
}

} // namespace vidora
