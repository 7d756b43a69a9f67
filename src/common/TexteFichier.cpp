#include "common/TexteFichier.h"

#include <QFile>
#include <QSaveFile>

namespace vidora {

namespace {
QByteArray fin() {
    return QByteArrayLiteral("\r\n");
}
} // namespace

std::optional<QStringList> LireLignes(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString texte = DepuisWindows1252(f.readAll());
    QStringList lignes;
    QString courante;
    for (int i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lignes << courante;
            courante.clear();
            if (c == QLatin1Char('\r') && i + 1 < texte.size() && texte.at(i + 1) == QLatin1Char('\n')) ++i;
        } else {
            courante += c;
        }
    }
    if (!courante.isEmpty()) lignes << courante;
    return lignes;
}

bool EcrireLignes(const QString& chemin, const QStringList& lignes) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    for (const QString& l : lignes) {
        f.write(VersWindows1252(l));
        f.write(fin());
    }
    return f.commit();
}

bool AjouterLignes(const QString& chemin, const QStringList& lignes) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    QByteArray tout;
    for (const QString& l : lignes)
        tout += VersWindows1252(l) + fin();
    return f.write(tout) == tout.size() && f.flush();
}

} // namespace vidora
