#include "catalogue/FrmClassement.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Emplacement.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace vidora {

FrmClassement::FrmClassement() : Form(QStringLiteral("FrmClassement"), QStringLiteral("Classement")) {
    bandeau = controle(LabelEncadre(this, QStringLiteral("CLASSEMENT CD")), "bandeau", 3000, 600, 6000, 600);
    const char* const libelles[NombreCases] = {"TRAVE", "RANG", "NUMERO", "DERNIER RANG", "DERNIER NUMERO"};
    for (int k = 0; k < NombreCases; ++k) {
        const double haut = 1800 + 800 * k;
        controle(new QLabel(QString::fromUtf8(libelles[k]), this), 2500, haut, 3600, 450);
        QLineEdit* b = controle(new QLineEdit(this), 6300, haut, 2000, 450);
        b->setObjectName(QStringLiteral("caseClassement%1").arg(k + 1));
        // Five characters: the width of the bay and of the row, and 99999 at most for the numbers.
        LimiterAuChamp(b, 5);
        caseClassement[k] = b;
    }
    MajusculeFrappe(caseClassement[Trave]);
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
    Tenter(QStringLiteral("LE CLASSEMENT NE PEUT ETRE LU"), [&] {
        auto t = ctx().base().ouvrirTable(schema::Classe::table);
        if (!t->Fin()) {
            const schema::NomSchema champs[NombreCases] = {schema::Classe::Trave, schema::Classe::Rang,
                                                           schema::Classe::Numero, schema::Classe::NumRang,
                                                           schema::Classe::NumNumero};
            for (int k = 0; k < NombreCases; ++k)
                caseClassement[k]->setText(t->Texte(champs[k]));
        }
    });
    show();
}

void FrmClassement::enregistrer() {
    Classement c;
    const QString refus = VerifierClassement(
        caseClassement[Trave]->text().trimmed(), caseClassement[Rang]->text(), caseClassement[Numero]->text(),
        caseClassement[DernierRang]->text(), caseClassement[DernierNumero]->text(), &c);
    if (!refus.isEmpty()) {
        env().message(QStringLiteral("CLASSEMENT NON ENREGISTRE : %1.").arg(refus));
        return;
    }
    const bool enregistre = Tenter(QStringLiteral("LE CLASSEMENT N'A PAS ETE ENREGISTRE"),
                                   [&] { EcrireClassement(ctx().base(), c); });
    if (!enregistre) return;
    bandeau->setText(QStringLiteral("ENREGISTER"));
    revenir();
}

void FrmClassement::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
