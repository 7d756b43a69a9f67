#include "shell/FrmMotDePasse.h"

#include "common/Contexte.h"
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
    Label1 = controle(LabelEncadre(this, QStringLiteral("CHANGER LE MOT DE PASSE")), 3000, 600, 6000, 600);
    Label6 =
        controle(new QLabel(QStringLiteral("Faire Entrée apres chaque saisie"), this), 3000, 1400, 6000, 400);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setStyleSheet(QStringLiteral("color:red;"));
    Label2 = controle(new QLabel(QStringLiteral("Ancien mot de passe"), this), 1500, 2400, 3800, 450);
    Text1 = controle(new QLineEdit(this), 5500, 2400, 4000, 450);
    Label3 = controle(new QLabel(QStringLiteral("Nouveau mot de pass"), this), 1500, 3300, 3800, 450);
    Text2 = controle(new QLineEdit(this), 5500, 3300, 4000, 450);
    Label4 = controle(new QLabel(QStringLiteral("Repeter le mot de passe"), this), 1500, 4200, 3800, 450);
    Text3 = controle(new QLineEdit(this), 5500, 4200, 4000, 450);
    Label5 = controle(LabelEncadre(this), 1500, 5400, 9000, 700);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Text3->setObjectName(QStringLiteral("Text3"));
    Label5->setObjectName(QStringLiteral("Label5"));
    for (QLineEdit* t : {Text2, Text3}) {
        t->setEchoMode(QLineEdit::Password);
        t->setStyleSheet(QStringLiteral("lineedit-password-character:42;")); // '*'
    }
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(13); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { Text2_KeyPress(13); });
    connect(Text3, &QLineEdit::returnPressed, this, [this] { Text3_KeyPress(13); });
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmMotDePasse::Retour_Click);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(kDureeConfirmation);
    connect(Timer1, &QTimer::timeout, this, &FrmMotDePasse::Retour_Click);
}

void FrmMotDePasse::charger() {
    MiseEnPlaceStandard(*this);
    Label5->hide();
    Label2->show();
    Text1->show();
    menu(QStringLiteral("Retour"))->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Text2),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(Text3)})
        w->hide();
    Text1->setFocus();
}

void FrmMotDePasse::Text1_KeyPress(int touche) {
    if (touche != 13) return;
    bool accepte = false;
    try {
        accepte = MotDePasseAccepte(Text1->text());
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE MOT DE PASSE NE PEUT ETRE LU :\n%1").arg(e.message()));
        return;
    }
    if (!accepte) {
        env().message(QStringLiteral("MAUVAIS MOT DE PASSE"));
        Text1->clear();
        return;
    }
    Label3->show();
    Text2->show();
    Text2->setFocus();
}

void FrmMotDePasse::Text2_KeyPress(int touche) {
    if (touche != 13) return;
    const std::optional<QString> brouille = BrouillerMotDePasse(Text2->text().trimmed());
    // A password is kept only when its stored form exists and fits the field: otherwise the
    // database would hold a password that no typing can ever match again. An empty one would
    // leave the club open to anyone.
    QString refus;
    const int largeur = LargeurChamp(QStringLiteral("Passe"), QStringLiteral("Mot"));
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
    Label4->show();
    Text3->show();
    Text3->setFocus();
}

void FrmMotDePasse::Text3_KeyPress(int touche) {
    if (touche != 13 || !nouveau_) return;
    const std::optional<QString> repete = BrouillerMotDePasse(Text3->text().trimmed());
    if (repete != nouveau_) {
        env().message(QStringLiteral(" Mot de Passe Differant"));
        retourAuNouveau();
        return;
    }
    try {
        TablesFermees fermees;
        // The old password was read from this record: it is there.
        Recordset& t = ctx().ouvrirTable(QStringLiteral("Passe"));
        t.Edit();
        t.SetValue(QStringLiteral("Mot"), *nouveau_);
        t.Update();
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE MOT DE PASSE N'A PAS PU ETRE ENREGISTRE :\n%1").arg(e.message()));
        return;
    }
    for (QWidget* w :
         {static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label2),
          static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text3)})
        w->hide();
    Clignote();
}

void FrmMotDePasse::retourAuNouveau() {
    nouveau_.reset();
    Text2->clear();
    Text3->clear();
    Text3->hide();
    Label4->hide();
    Text2->setFocus();
}

void FrmMotDePasse::Clignote() {
    Label5->setText(QStringLiteral("NOUVEAU MOT DE PASSE ENREGISTRER"));
    Label5->show();
    // The handler returns at once: the timer closes the window, whatever the time of day.
    Timer1->start();
}

void FrmMotDePasse::Retour_Click() {
    Timer1->stop();
    RevenirAuDepart(this);
}

} // namespace vidora
