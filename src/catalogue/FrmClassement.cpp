#include "catalogue/FrmClassement.h"

#include "common/Contexte.h"
#include "common/Emplacement.h"
#include "common/Saisie.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace vidora {

FrmClassement::FrmClassement() : Form(QStringLiteral("FrmClassement"), QStringLiteral("Classement")) {
    bandeau = controle(LabelEncadre(this, QStringLiteral("CLASSEMENT CD")), "bandeau", 3000, 600, 6000, 600);
    const auto ligne = [this](const char* libelle, const char* nomLibelle, const char* nom, double haut,
                              QLabel*& etiquette) {
        etiquette = controle(new QLabel(QString::fromUtf8(libelle), this), nomLibelle, 2500, haut, 3600, 450);
        auto* b = controle(new QLineEdit(this), nom, 6300, haut, 2000, 450);
        // Five characters: the width of the bay and of the row, and 99999 at most for the numbers.
        LimiterAuChamp(b, 5);
        return b;
    };
    caseTravee = ligne("TRAVE", "libelleTravee", "caseTravee", 1800, libelleTravee);
    caseRang = ligne("RANG", "libelleRang", "caseRang", 2600, libelleRang);
    caseNumero = ligne("NUMERO", "libelleNumero", "caseNumero", 3400, libelleNumero);
    caseDernierRang =
        ligne("DERNIER RANG", "libelleDernierRang", "caseDernierRang", 4200, libelleDernierRang);
    caseDernierNumero =
        ligne("DERNIER NUMERO", "libelleDernierNumero", "caseDernierNumero", 5000, libelleDernierNumero);
    MajusculeFrappe(caseTravee);
    connect(ajouterEntree(QStringLiteral("Enreg"), QStringLiteral("Enregistrer")), &QAction::triggered, this,
            &FrmClassement::enregistrer);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmClassement::revenir);
}

void FrmClassement::charger() {
    MiseEnPlaceStandard(*this);
    afficherClassement();
}

void FrmClassement::afficherClassement() {
    try {
        auto t = ctx().base().ouvrirTable(QStringLiteral("Classe"));
        if (!t->Fin()) {
            caseTravee->setText(t->Texte(QStringLiteral("Trave")));
            caseRang->setText(t->Texte(QStringLiteral("Rang")));
            caseNumero->setText(t->Texte(QStringLiteral("Numero")));
            caseDernierRang->setText(t->Texte(QStringLiteral("NumRang")));
            caseDernierNumero->setText(t->Texte(QStringLiteral("NumNumero")));
        }
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE CLASSEMENT NE PEUT ETRE LU :\n%1").arg(e.message()));
    }
    show();
}

void FrmClassement::enregistrer() {
    Classement c;
    const QString refus =
        VerifierClassement(caseTravee->text().trimmed(), caseRang->text(), caseNumero->text(),
                           caseDernierRang->text(), caseDernierNumero->text(), &c);
    if (!refus.isEmpty()) {
        env().message(QStringLiteral("CLASSEMENT NON ENREGISTRE : %1.").arg(refus));
        return;
    }
    try {
        EcrireClassement(ctx().base(), c);
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE CLASSEMENT N'A PAS ETE ENREGISTRE :\n%1").arg(e.message()));
        return;
    }
    bandeau->setText(QStringLiteral("ENREGISTER"));
    revenir();
}

void FrmClassement::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
