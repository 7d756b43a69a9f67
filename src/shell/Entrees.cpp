#include "shell/Entrees.h"

#include <QHash>

namespace vidora {

namespace {
QHash<QString, std::function<void()>>& entrees() {
    static QHash<QString, std::function<void()>> table;
    return table;
}
} // namespace

void EnregistrerEntree(const QString& nom, std::function<void()> ouvrir) {
    entrees().insert(nom, std::move(ouvrir));
}

std::function<void()> EntreeEnregistree(const QString& nom) {
    return entrees().value(nom);
}

} // namespace vidora
