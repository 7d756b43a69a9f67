#include "common/TexteFichier.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

#include <unistd.h>

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
    QByteArray tout;
    for (const QString& l : lignes)
        tout += VersWindows1252(l) + fin();
    // Written beside the file under a name that says it is a work file (the program removes those
    // at start), then renamed: an interruption leaves the old file whole.
    QTemporaryFile f(chemin + QStringLiteral(".XXXXXX.travail"));
    if (!f.open() || f.write(tout) != tout.size() || !f.flush() || fsync(f.handle()) != 0) return false;
    const QFileInfo ancien(chemin);
    f.setPermissions(ancien.exists()
                         ? ancien.permissions()
                         : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(f.fileName()).constData(), QFile::encodeName(chemin).constData()) != 0)
        return false;
    f.setAutoRemove(false);
    return true;
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
