#include "common/Contexte.h"

#include <QDir>
#include <QFileInfo>

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

QString TrouverFichier(const QString& dossier, const QString& nom) {
    const QDir d(dossier);
    if (QFileInfo(d.filePath(nom)).isFile()) return d.filePath(nom);
    for (const QString& f : d.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (f.compare(nom, Qt::CaseInsensitive) == 0) return d.filePath(f);
    return {};
}

QString Contexte::fichier(const QString& nom) const {
    return QDir(CheminAppli).filePath(nom);
}

} // namespace vidora
