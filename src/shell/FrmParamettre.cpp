#include "shell/FrmParamettre.h"

#include "common/Contexte.h"
#include "common/Delais.h"
#include "common/Echec.h"
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
    schema::NomSchema champ;
    bool majuscules;
};
constexpr Case kCases[9] = {
    {"Nom", schema::Para::Nom, true},
    {"Prenom", schema::Para::Prenom, true},
    {"Adresse 1", schema::Para::Adresse1, true},
    {"Adresse 2", schema::Para::Adresse2, true},
    {"Code Postal", schema::Para::Code, false},
    {"Ville", schema::Para::Ville, true},
    {"Telephone", schema::Para::Tele, false},
    {"Delai Mini", schema::Para::DelaiMini, false},
    {"Delai Maxi", schema::Para::DelaiMaxi, false},
};

} // namespace

FrmParamettre::FrmParamettre() : Form(QStringLiteral("FrmParamettre"), QStringLiteral("Paramettre")) {
    zoneParametres = controle(new QGroupBox(this), "zoneParametres", 1500, 400, 9000, 6600);
    for (int i = 0; i < 9; ++i) {
        const double haut = 400 + i * 680;
        const QByteArray rang = QByteArray::number(i + 1);
        libelleParametre[i] = controle(new QLabel(QString::fromUtf8(kCases[i].libelle), zoneParametres),
                                       ("libelleParametre" + rang).constData(), 400, haut, 2600, 400);
        caseParametre[i] = controle(new QLineEdit(zoneParametres), ("caseParametre" + rang).constData(), 3200,
                                    haut, 5300, 450);
        caseParametre[i]->setFont(QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold));
        caseParametre[i]->setStyleSheet(QStringLiteral("color:blue;"));
        if (kCases[i].majuscules) MajusculeFrappe(caseParametre[i]);
        LimiterAuChamp(caseParametre[i], LargeurChamp(schema::Para::table, kCases[i].champ));
    }
    connect(ajouterEntree(QStringLiteral("retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmParamettre::revenir);
    connect(ajouterEntree(QStringLiteral("Enregis"), QStringLiteral("Enregistrer")), &QAction::triggered,
            this, &FrmParamettre::enregistrer);
}

void FrmParamettre::charger() {
    MiseEnPlaceStandard(*this);
    afficherParametres();
}

void FrmParamettre::afficherParametres() {
    Tenter(QStringLiteral("LES PARAMETRES NE PEUVENT ETRE LUS"), [&] {
        TablesFermees fermees;
        Recordset& t = ctx().ouvrirTable(schema::Para::table);
        if (t.Fin()) return;
        for (int i = 0; i < 9; ++i)
            caseParametre[i]->setText(t.Texte(kCases[i].champ));
    });
}

void FrmParamettre::enregistrer() {
    // A delay the lending and the reminders could not read is refused before anything is written.
    for (int i : {7, 8}) {
        if (LireDelai(caseParametre[i]->text())) continue;
        env().message(QStringLiteral("LA CASE \"%1\" DOIT COMMENCER PAR UN NOMBRE DE JOURS")
                          .arg(QString::fromUtf8(kCases[i].libelle)));
        caseParametre[i]->setFocus();
        return;
    }
    const bool enregistres = Tenter(QStringLiteral("LES PARAMETRES N'ONT PAS PU ETRE ENREGISTRES"), [&] {
        TablesFermees fermees;
        Recordset& t = ctx().ouvrirTable(schema::Para::table);
        if (t.Fin())
            t.AddNew();
        else
            t.Edit();
        for (int i = 0; i < 9; ++i) {
            QString v = caseParametre[i]->text();
            if (i == 2 || i == 3) v = LigneAdresse(v);
            t.SetValue(kCases[i].champ, v);
        }
        t.Update();
    });
    if (!enregistres) return;
    revenir();
}

void FrmParamettre::revenir() {
    RevenirAuDepart(this);
}

} // namespace vidora
