#include "common/Matricule.h"

namespace vidora {

QString LettreMois(const QString& mois) {
    static const char* lettres[12] = {"A", "B", "C", "D", "E", "G", "H", "K", "M", "N", "Q", "U"};
    if (mois.size() != 2 || !mois[0].isDigit() || !mois[1].isDigit()) return QString();
    const int m = mois.toInt();
    return (m >= 1 && m <= 12) ? QString::fromLatin1(lettres[m - 1]) : QString();
}

QString CompleterCompteur(const QString& compteur) {
    QString c = compteur;
    if (c.size() == 2) c = QStringLiteral("0") + c;
    if (c.size() == 1) c = QStringLiteral("00") + c;
    return c;
}

QString ComposerMatriculeCD(const QString& compteur, const QDate& jour) {
    return CompleterCompteur(compteur) + jour.toString(QStringLiteral("dd")) +
           LettreMois(jour.toString(QStringLiteral("MM"))) + jour.toString(QStringLiteral("yyyy"));
}

QString ComposerMatriculeAbon(const QString& compteur, const QDate& jour) {
    return CompleterCompteur(compteur) + LettreMois(jour.toString(QStringLiteral("MM"))) +
           jour.toString(QStringLiteral("yyyy"));
}

} // namespace vidora
