#include "common/Contexte.h"

#include "common/MotDePasse.h"
#include "common/Schema.h"

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
}

QString TrouverFichier(const QString& dossier, const QString& nom) {
    const QDir d(dossier);
    if (QFileInfo(d.filePath(nom)).isFile()) return d.filePath(nom);
    for (const QString& f : d.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (f.compare(nom, Qt::CaseInsensitive) == 0) return d.filePath(f);
    return {};
}

QStringList ListerFichiers(const QString& dossier, const QString& motif) {
    // Name filters match without regard to case unless QDir::CaseSensitive is asked for.
    return QDir(dossier).entryList({motif}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList ListerBases(const QString& dossier) {
    return ListerFichiers(dossier, QStringLiteral("*.mdb"));
}

std::unique_ptr<Database> OuvrirBaseChoisie(const QString& chemin) {
    auto base = Database::ouvrir(chemin);
    try {
        ElargirChamps(*base);
    } catch (const ErreurBase&) {
        // A file that cannot be changed is used as it stands: a text too wide for it is refused
        // when it is saved.
    }
    base->ouvrirTable(schema::CD::table);
    MotDePasseStocke(*base->ouvrirTable(schema::Passe::table), QFileInfo(chemin).fileName());
    return base;
}

QString Contexte::fichier(const QString& nom) const {
    return QDir(CheminAppli).filePath(nom);
}

} // namespace vidora
