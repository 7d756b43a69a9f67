#include "common/Saisie.h"

#include "platform/RegleSaisie.h"

#include <algorithm>

namespace vidora {

namespace {
const char* const kLargeur = "largeurChamp";
} // namespace

void MajusculeFrappe(QLineEdit* box) {
    SaisieEnMajuscules(box);
}

void LimiterAuChamp(QLineEdit* box, int largeur) {
    box->setProperty(kLargeur, largeur);
    box->setMaxLength(largeur);
}

void MontrerStocke(QLineEdit* box, const QString& texte) {
    const int largeur = box->property(kLargeur).toInt();
    if (largeur > 0) box->setMaxLength(std::max(largeur, int(texte.size())));
    box->setText(texte);
}

} // namespace vidora
