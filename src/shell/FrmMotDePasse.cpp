#include "shell/FrmMotDePasse.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/MotDePasse.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vidora {

FrmMotDePasse::FrmMotDePasse()
    : Form(QStringLiteral("FrmMotDePasse"), QStringLiteral("Changer de Mot de Passe")) {
    bandeauTitre = controle(LabelEncadre(this, QStringLiteral("CHANGER LE MOT DE PASSE")), "bandeauTitre",
                            3000, 600, 6000, 600);
    libelleConsigne = controle(new QLabel(QStringLiteral("Faire Entrée apres chaque saisie"), this),
                               "libelleConsigne", 3000, 1400, 6000, 400);
    libelleConsigne->setAlignment(Qt::AlignCenter);
    libelleConsigne->setStyleSheet(QStringLiteral("color:red;"));
    libelleAncien = controle(new QLabel(QStringLiteral("Ancien mot de passe"), this), "libelleAncien", 1500,
                             2400, 3800, 450);
    caseAncien = controle(new QLineEdit(this), "caseAncien", 5500, 2400, 4000, 450);
    libelleNouveau = controle(new QLabel(QStringLiteral("Nouveau mot de pass"), this), "libelleNouveau", 1500,
                              3300, 3800, 450);
    caseNouveau = controle(new QLineEdit(this), "caseNouveau", 5500, 3300, 4000, 450);
    libelleRepetition = controle(new QLabel(QStringLiteral("Repeter le mot de passe"), this),
                                 "libelleRepetition", 1500, 4200, 3800, 450);
    caseRepetition = controle(new QLineEdit(this), "caseRepetition", 5500, 4200, 4000, 450);
    bandeauConfirmation = controle(LabelEncadre(this), "bandeauConfirmation", 1500, 5400, 9000, 700);
    for (QLineEdit* t : {caseNouveau, caseRepetition}) {
        t->setEchoMode(QLineEdit::Password);
        t->setStyleSheet(QStringLiteral("lineedit-password-character:42;")); // '*'
    }
    connect(caseAncien, &QLineEdit::returnPressed, this, &FrmMotDePasse::ancienValide);
    connect(caseNouveau, &QLineEdit::returnPressed, this, &FrmMotDePasse::nouveauValide);
    connect(caseRepetition, &QLineEdit::returnPressed, this, &FrmMotDePasse::repetitionValide);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmMotDePasse::revenir);
    minuterie = new QTimer(this);
    minuterie->setSingleShot(true);
    minuterie->setInterval(kDureeConfirmation);
    connect(minuterie, &QTimer::timeout, this, &FrmMotDePasse::revenir);
}

void FrmMotDePasse::charger() {
    MiseEnPlaceStandard(*this);
    bandeauConfirmation->hide();
    libelleAncien->show();
    caseAncien->show();
    menu(QStringLiteral("Retour"))->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(libelleNouveau), static_cast<QWidget*>(caseNouveau),
                       static_cast<QWidget*>(libelleRepetition), static_cast<QWidget*>(caseRepetition)})
        w->hide();
    caseAncien->setFocus();
}

void FrmMotDePasse::ancienValide() {
    bool accepte = false;
    const bool lu = Tenter(QStringLiteral("LE MOT DE PASSE NE PEUT ETRE LU"),
                           [&] { accepte = MotDePasseAccepte(caseAncien->text()); });
    if (!lu) return;
    if (!accepte) {
        env().message(QStringLiteral("MAUVAIS MOT DE PASSE"));
        caseAncien->clear();
        return;
    }
    libelleNouveau->show();
    caseNouveau->show();
    caseNouveau->setFocus();
}

void FrmMotDePasse::nouveauValide() {
    const std::optional<QString> brouille = BrouillerMotDePasse(caseNouveau->text().trimmed());
    // A password is kept only when its stored form exists and fits the field: otherwise the
    // database would hold a password that no typing can ever match again. An empty one would
    // leave the club open to anyone.
    QString refus;
    const int largeur = LargeurChamp(schema::Passe::table, schema::Passe::Mot);
    if (!brouille)
        refus =
            QStringLiteral("CE MOT DE PASSE NE PEUT PAS ETRE ENREGISTRE : IL CONTIENT UN CARACTERE "
                           "QUE LA BASE NE SAIT PAS GARDER (LETTRES, CHIFFRES ET SIGNES COURANTS SEULEMENT)");
    else if (brouille->isEmpty())
        refus = QStringLiteral("LE NOUVEAU MOT DE PASSE EST VIDE : TAPEZ-EN UN");
    else if (brouille->size() > largeur)
        refus = QStringLiteral("CE MOT DE PASSE EST TROP LONG : %1 CARACTERES AU PLUS").arg(largeur);
    if (!refus.isEmpty()) {
        env().message(refus);
        retourAuNouveau();
        return;
    }
    nouveau_ = *brouille;
    libelleRepetition->show();
    caseRepetition->show();
    caseRepetition->setFocus();
}

void FrmMotDePasse::repetitionValide() {
    if (!nouveau_) return;
    const std::optional<QString> repete = BrouillerMotDePasse(caseRepetition->text().trimmed());
    if (repete != nouveau_) {
        env().message(QStringLiteral(" Mot de Passe Differant"));
        retourAuNouveau();
        return;
    }
    const bool enregistre = Tenter(QStringLiteral("LE MOT DE PASSE N'A PAS PU ETRE ENREGISTRE"), [&] {
        TablesFermees fermees;
        // The old password was read from this record: it is there.
        Recordset& t = ctx().ouvrirTable(schema::Passe::table);
        t.Edit();
        t.SetValue(schema::Passe::Mot, *nouveau_);
        t.Update();
    });
    if (!enregistre) return;
    for (QWidget* w : {static_cast<QWidget*>(libelleRepetition), static_cast<QWidget*>(libelleNouveau),
                       static_cast<QWidget*>(libelleAncien), static_cast<QWidget*>(caseAncien),
                       static_cast<QWidget*>(caseNouveau), static_cast<QWidget*>(caseRepetition)})
        w->hide();
    annoncerEnregistrement();
}

void FrmMotDePasse::retourAuNouveau() {
    nouveau_.reset();
    caseNouveau->clear();
    caseRepetition->clear();
    caseRepetition->hide();
    libelleRepetition->hide();
    caseNouveau->setFocus();
}

void FrmMotDePasse::annoncerEnregistrement() {
    bandeauConfirmation->setText(QStringLiteral("NOUVEAU MOT DE PASSE ENREGISTRER"));
    bandeauConfirmation->show();
    // The handler returns at once: the timer closes the window, whatever the time of day.
    minuterie->start();
}

void FrmMotDePasse::revenir() {
    minuterie->stop();
    RevenirAuDepart(this);
}

} // namespace vidora
