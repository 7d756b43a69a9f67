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
    Label1 = controle(LabelEncadre(this, QStringLiteral("CLASSEMENT CD")), 3000, 600, 6000, 600);
    const auto ligne = [this](const char* libelle, const char* nom, double haut, QLabel*& etiquette) {
        etiquette = controle(new QLabel(QString::fromUtf8(libelle), this), 2500, haut, 3600, 450);
        auto* b = controle(new QLineEdit(this), 6300, haut, 2000, 450);
        b->setObjectName(QString::fromLatin1(nom));
        // Five characters: the width of the bay and of the row, and 99999 at most for the numbers.
        LimiterAuChamp(b, 5);
        return b;
    };
    Text1 = ligne("TRAVE", "Text1", 1800, Label2);
    Text2 = ligne("RANG", "Text2", 2600, Label3);
    Text3 = ligne("NUMERO", "Text3", 3400, Label4);
    Text4 = ligne("DERNIER RANG", "Text4", 4200, Label6);
    Text5 = ligne("DERNIER NUMERO", "Text5", 5000, Label7);
    MajusculeFrappe(Text1);
    connect(ajouterEntree(QStringLiteral("Enreg"), QStringLiteral("Enregistrer")), &QAction::triggered, this,
            &FrmClassement::Enreg_Click);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmClassement::Retour_Click);
}

void FrmClassement::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmClassement::Lire() {
    try {
        auto t = ctx().base().ouvrirTable(QStringLiteral("Classe"));
        if (!t->Fin()) {
            Text1->setText(t->Texte(QStringLiteral("Trave")));
            Text2->setText(t->Texte(QStringLiteral("Rang")));
            Text3->setText(t->Texte(QStringLiteral("Numero")));
            Text4->setText(t->Texte(QStringLiteral("NumRang")));
            Text5->setText(t->Texte(QStringLiteral("NumNumero")));
        }
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE CLASSEMENT NE PEUT ETRE LU :\n%1").arg(e.message()));
    }
    show();
}

void FrmClassement::Enreg_Click() {
    Classement c;
    const QString refus = VerifierClassement(Text1->text().trimmed(), Text2->text(), Text3->text(),
                                             Text4->text(), Text5->text(), &c);
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
    Label1->setText(QStringLiteral("ENREGISTER"));
    Retour_Click();
}

void FrmClassement::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
