#include "common/Contexte.h"

#include <QDir>

namespace vidora {

Contexte& ctx() {
    static Contexte c;
    return c;
}

Database& Contexte::base() {
    if (!BaseEnCours || !BaseEnCours->estOuverte())
        throw ErreurBase(ErreurBase::Genre::Fermee, QStringLiteral("AUCUNE BASE N'EST OUVERTE"));
    return *BaseEnCours;
}

Recordset& Contexte::ouvrirTable(const QString& nom) {
    TableOuverte.reset();
    TableOuverte = base().ouvrirTable(nom);
    return *TableOuverte;
}

void Contexte::fermerTables() {
    TableOuverte.reset();
    TableOuverte2.reset();
}

QString Contexte::fichier(const QString& nom) const {
    return QDir(CheminAppli).filePath(nom);
}

} // namespace vidora
