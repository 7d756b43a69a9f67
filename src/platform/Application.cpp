#include "platform/Application.h"

#include "platform/Environnement.h"

#include <exception>

namespace vidora {

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
