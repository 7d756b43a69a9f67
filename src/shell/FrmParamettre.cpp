#include "shell/FrmParamettre.h"

#include "common/Contexte.h"
#include "common/Delais.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace vidora {

namespace {
struct Case {
    const char* libelle;
    const char* champ;
    bool majuscules;
};
constexpr Case kCases[9] = {
    {"Nom", "Nom", true},
    {"Prenom", "Prenom", true},
    {"Adresse 1", "Adresse1", true},
    {"Adresse 2", "Adresse2", true},
    {"Code Postal", "Code", false},
    {"Ville", "Ville", true},
    {"Telephone", "Tele", false},
    {"Delai Mini", "DelaiMini", false},
    {"Delai Maxi", "DelaiMaxi", false},
};

} // namespace

FrmParamettre::FrmParamettre() : Form(QStringLiteral("FrmParamettre"), QStringLiteral("Paramettre")) {
    Frame1 = controle(new QGroupBox(this), 1500, 400, 9000, 6600);
    for (int i = 0; i < 9; ++i) {
        const double haut = 400 + i * 680;
        Label[i] = controle(new QLabel(QString::fromUtf8(kCases[i].libelle), Frame1), 400, haut, 2600, 400);
        Text[i] = controle(new QLineEdit(Frame1), 3200, haut, 5300, 450);
        Text[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        Text[i]->setFont(QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold));
        Text[i]->setStyleSheet(QStringLiteral("color:blue;"));
        if (kCases[i].majuscules) MajusculeFrappe(Text[i]);
        LimiterAuChamp(Text[i], LargeurChamp(QStringLiteral("Para"), QString::fromUtf8(kCases[i].champ)));
    }
    connect(ajouterEntree(QStringLiteral("retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmParamettre::Retour_Click);
    connect(ajouterEntree(QStringLiteral("Enregis"), QStringLiteral("Enregistrer")), &QAction::triggered,
            this, &FrmParamettre::Enregis_Click);
}

void FrmParamettre::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmParamettre::Lire() {
    try {
        TablesFermees fermees;
        Recordset& t = ctx().ouvrirTable(QStringLiteral("Para"));
        if (t.Fin()) return;
        for (int i = 0; i < 9; ++i)
            Text[i]->setText(t.Texte(QString::fromUtf8(kCases[i].champ)));
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LES PARAMETRES NE PEUVENT ETRE LUS :\n%1").arg(e.message()));
    }
}

void FrmParamettre::Enregis_Click() {
    // A delay the lending and the reminders could not read is refused before anything is written.
    for (int i : {7, 8}) {
        if (LireDelai(Text[i]->text())) continue;
        env().message(QStringLiteral("LA CASE \"%1\" DOIT COMMENCER PAR UN NOMBRE DE JOURS")
                          .arg(QString::fromUtf8(kCases[i].libelle)));
        Text[i]->setFocus();
        return;
    }
    try {
        TablesFermees fermees;
        Recordset& t = ctx().ouvrirTable(QStringLiteral("Para"));
        if (t.Fin())
            t.AddNew();
        else
            t.Edit();
        for (int i = 0; i < 9; ++i) {
            QString v = Text[i]->text();
            if (i == 2 || i == 3) v = LigneAdresse(v);
            t.SetValue(QString::fromUtf8(kCases[i].champ), v);
        }
        t.Update();
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LES PARAMETRES N'ONT PAS PU ETRE ENREGISTRES :\n%1").arg(e.message()));
        return;
    }
    Retour_Click();
}

void FrmParamettre::Retour_Click() {
    RevenirAuDepart(this);
}

} // namespace vidora
