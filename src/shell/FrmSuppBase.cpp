#include "shell/FrmSuppBase.h"

#include "common/Contexte.h"
#include "common/Images.h"
#include "common/MotDePasse.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/FrmDepart.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vidora {

namespace {

const QString kTitre = QStringLiteral("Supprimer une base");

} // namespace

void OuvrirSuppressionBase() {
    Contexte& c = ctx();
    c.fermerTables();
    if (c.BaseEnCours) c.BaseEnCours->fermer();
    Remplacer<FrmSuppBase>();
}

FrmSuppBase::FrmSuppBase() : Form(QStringLiteral("FrmSuppBase"), kTitre) {
    Label2 = controle(LabelEncadre(this, QStringLiteral("SUPPRIMER UNE BASE")), 3000, 500, 6000, 600);
    Label2->setStyleSheet(QStringLiteral("color:red; font-style:italic;"));
    File1 = controle(new QListWidget(this), 3000, 1500, 6000, 5000);
    File1->setObjectName(QStringLiteral("File1"));
    Label1 = controle(new QLabel(QStringLiteral("Mot de passe de la base"), this), 3000, 3000, 6000, 450);
    Label1->setAlignment(Qt::AlignCenter);
    Text1 = controle(new QLineEdit(this), 3000, 3600, 6000, 500);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label3 = controle(new QLabel(this), 3000, 2200, 6000, 450);
    Label3->setAlignment(Qt::AlignCenter);
    connect(File1, &QListWidget::itemClicked, this, &FrmSuppBase::File1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(13); });
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmSuppBase::Retour_Click);
}

void FrmSuppBase::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmSuppBase::Lire() {
    File1->clear();
    File1->addItems(ListerBases(ctx().CheminAppli));
    File1->show();
    Label1->hide();
    Label3->hide();
    Text1->hide();
    Text1->clear();
}

void FrmSuppBase::File1_Click(QListWidgetItem* item) {
    if (!item) return;
    const QString nom = item->text();
    if (!env().question(QStringLiteral("Voulez-Vous supprimer ") + nom, kTitre,
                        Environnement::ParDefaut::Non))
        return;
    Contexte& c = ctx();
    const QString chemin = QDir(c.CheminAppli).filePath(nom);
    // Only one of our databases, with its password record, can be deleted.
    std::unique_ptr<Database> base;
    try {
        base = OuvrirBaseChoisie(chemin);
    } catch (const ErreurBase& e) {
        RefuserBase(nom, e);
        return;
    }
    nom_ = nom;
    c.CheminBase = chemin;
    c.fermerTables();
    c.BaseEnCours = std::move(base);
    File1->hide();
    Label1->show();
    Label3->setText(QStringLiteral("BASE  ") + nom);
    Label3->show();
    Text1->show();
    Text1->setFocus();
}

void FrmSuppBase::Text1_KeyPress(int touche) {
    if (touche != 13) return;
    bool accepte = false;
    try {
        accepte = MotDePasseAccepte(Text1->text());
    } catch (const ErreurBase& e) {
        RefuserBase(nom_, e);
        Lire();
        return;
    }
    if (!accepte) {
        env().message(QStringLiteral("MAUVAIS MOT DE PASSE"));
        Text1->clear();
        return;
    }
    supprimer();
}

void FrmSuppBase::supprimer() {
    Contexte& c = ctx();
    const QString chemin = c.CheminBase;
    // Its pictures are read while the database is still open; they go only once it is gone.
    QSet<QString> images;
    try {
        images = ImagesDeLaBase(c.base());
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LES FILMS DE LA BASE NE PEUVENT ETRE LUS, RIEN N'EST SUPPRIME :\n%1")
                          .arg(e.message()));
        return;
    }
    c.fermerTables();
    c.BaseEnCours->fermer();
    c.BaseEnCours.reset();

    QString erreur;
    try {
        env().pointDeControle("suppression-base");
        QFile f(chemin);
        if (!f.remove()) erreur = f.errorString();
    } catch (const std::exception& e) {
        erreur = QString::fromUtf8(e.what());
    }
    if (erreur.isEmpty() && QFileInfo::exists(chemin)) erreur = QStringLiteral("le fichier est toujours là");
    if (!erreur.isEmpty()) {
        env().message(QStringLiteral("LA BASE %1 N'A PAS PU ETRE SUPPRIMEE, SES IMAGES SONT GARDEES :\n%2")
                          .arg(nom_, erreur),
                      kTitre);
        Lire();
        return;
    }
    // A journal left beside the deleted file would be played into any later database of that name.
    QFile::remove(chemin + QStringLiteral("-journal"));

    images.subtract(ImagesUtilisees(chemin));
    for (const QString& image : images)
        QFile::remove(image);
    env().message(nom_ + QStringLiteral("  Base Supprimer"), kTitre);
    Retour_Click();
}

void FrmSuppBase::Retour_Click() {
    RevenirAuDepart(this);
}

} // namespace vidora
