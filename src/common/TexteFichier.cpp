#include "common/TexteFichier.h"

#include "common/Refus.h"
#include "platform/Database.h"

#include <QFile>
#include <QFileInfo>

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

namespace {
QByteArray encoder(const QStringList& lignes) {
    QByteArray tout;
    for (const QString& l : lignes)
        tout += VersWindows1252(TexteEnregistrable(l)) + fin();
    return tout;
}
} // namespace

EcritureEchouee EcrireLignes(const QString& chemin, const QStringList& lignes) {
    return EcrireFichierEntier(chemin, encoder(lignes));
}

EcritureEchouee AjouterLignes(const QString& chemin, const QStringList& lignes) {
    QByteArray tout;
    QFile f(chemin);
    if (f.exists()) {
        if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("le fichier ne peut pas être lu")};
        tout = f.readAll();
        if (f.error() != QFileDevice::NoError) return {QStringLiteral("le fichier ne peut pas être lu")};
        f.close();
    }
    return EcrireFichierEntier(chemin, tout + encoder(lignes));
}

QString MessageEcritureEchouee(const QString& chemin, const EcritureEchouee& echec) {
    const QString nom = QFileInfo(chemin).fileName().toUpper();
    if (!echec.ancienConserve)
        return QStringLiteral(
                   "LE FICHIER %1 EST ENREGISTRE, MAIS LE DISQUE N'A PAS CONFIRME SON ECRITURE : %2.")
            .arg(nom, echec.raison.toUpper());
    const QString garde =
        QFileInfo::exists(chemin) ? QStringLiteral(" L'ANCIEN FICHIER EST CONSERVE.") : QString();
    if (echec.disquePlein)
        return QStringLiteral("LE DISQUE EST PLEIN : LE FICHIER %1 N'A PAS ETE ENREGISTRE.%2")
            .arg(nom, garde);
    return QStringLiteral("LE FICHIER %1 N'A PAS ETE ENREGISTRE : %2.%3")
        .arg(nom, echec.raison.toUpper(), garde);
}

void EnregistrerFichier(const QString& chemin, const QByteArray& octets) {
    if (const auto e = EcrireFichierEntier(chemin, octets)) throw Refus(MessageEcritureEchouee(chemin, e));
}

} // namespace vidora
