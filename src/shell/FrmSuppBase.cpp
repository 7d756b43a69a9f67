#include "shell/FrmSuppBase.h"

#include "common/Contexte.h"
#include "common/Echec.h"
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
    bandeauTitre = controle(LabelEncadre(this, QStringLiteral("SUPPRIMER UNE BASE")), "bandeauTitre", 3000,
                            500, 6000, 600);
    bandeauTitre->setStyleSheet(QStringLiteral("color:red; font-style:italic;"));
    listeBases = controle(new QListWidget(this), "listeBases", 3000, 1500, 6000, 5000);
    libelleMotDePasse = controle(new QLabel(QStringLiteral("Mot de passe de la base"), this),
                                 "libelleMotDePasse", 3000, 3000, 6000, 450);
    libelleMotDePasse->setAlignment(Qt::AlignCenter);
    caseMotDePasse = controle(new QLineEdit(this), "caseMotDePasse", 3000, 3600, 6000, 500);
    valeurBase = controle(new QLabel(this), "valeurBase", 3000, 2200, 6000, 450);
    valeurBase->setAlignment(Qt::AlignCenter);
    connect(listeBases, &QListWidget::itemClicked, this, &FrmSuppBase::baseChoisie);
    connect(caseMotDePasse, &QLineEdit::returnPressed, this, &FrmSuppBase::motDePasseValide);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmSuppBase::revenir);
}

void FrmSuppBase::charger() {
    MiseEnPlaceStandard(*this);
    proposerBases();
}

void FrmSuppBase::proposerBases() {
    listeBases->clear();
    listeBases->addItems(ListerBases(ctx().CheminAppli));
    listeBases->show();
    libelleMotDePasse->hide();
    valeurBase->hide();
    caseMotDePasse->hide();
    caseMotDePasse->clear();
}

void FrmSuppBase::baseChoisie(QListWidgetItem* item) {
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
    listeBases->hide();
    libelleMotDePasse->show();
    valeurBase->setText(QStringLiteral("BASE  ") + nom);
    valeurBase->show();
    caseMotDePasse->show();
    caseMotDePasse->setFocus();
}

void FrmSuppBase::motDePasseValide() {
    bool accepte = false;
    try {
        accepte = MotDePasseAccepte(caseMotDePasse->text());
    } catch (const ErreurBase& e) {
        RefuserBase(nom_, e);
        proposerBases();
        return;
    }
    if (!accepte) {
        env().message(QStringLiteral("MAUVAIS MOT DE PASSE"));
        caseMotDePasse->clear();
        return;
    }
    supprimer();
}

void FrmSuppBase::supprimer() {
    Contexte& c = ctx();
    const QString chemin = c.CheminBase;
    // Its pictures are read while the database is still open; they go only once it is gone.
    QSet<QString> images;
    const bool lues = Tenter(QStringLiteral("LES FILMS DE LA BASE NE PEUVENT ETRE LUS, RIEN N'EST SUPPRIME"),
                             [&] { images = ImagesDeLaBase(c.base()); });
    if (!lues) return;
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
        proposerBases();
        return;
    }
    // A journal left beside the deleted file would be played into any later database of that name.
    QFile::remove(chemin + QStringLiteral("-journal"));

    EffacerImagesInutilisees(images, {chemin});
    env().message(nom_ + QStringLiteral("  Base Supprimer"), kTitre);
    revenir();
}

void FrmSuppBase::revenir() {
    RevenirAuDepart(this);
}

} // namespace vidora
