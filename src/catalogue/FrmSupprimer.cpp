#include "catalogue/FrmSupprimer.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/GrillesFilms.h"
#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Images.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, QStringLiteral("MatriculeCD")),
        Colonne(QStringLiteral("TITRE DU FILM"), 5100, QStringLiteral("Nom")),
        Colonne(QStringLiteral("ETAT"), 700, QStringLiteral("Etat")),
        Colonne(QStringLiteral("CATEGORIE"), 1400, QStringLiteral("Categorie")),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 2400),
    };
    return c;
}
} // namespace

bool SupprimerFilm(qint64 cle) {
    Database& db = ctx().base();
    const QString nom = QStringLiteral("Nom");
    QString image;
    {
        auto t = db.ouvrirTable(QStringLiteral("CD"));
        if (!t->AllerA(cle)) return false;
        if (!t->EstNull(nom)) image = FichierImageFilm(t->Texte(nom));
        Transaction tr(db);
        t->Delete();
        env().pointDeControle("suppression-film");
        tr.valider();
    }
    // The picture goes only once the row is gone for good, and only when no film left, in this
    // database or another of the folder, uses it.
    if (!image.isEmpty()) EffacerImagesInutilisees({image});
    return true;
}

FrmSupprimer::FrmSupprimer() : Form(QStringLiteral("FrmSupprimer"), QStringLiteral("Supprimer Film")) {
    bandeau = TitreListe(*this);
    grilleFilms = GrilleFilms(*this);
    fiche = new FicheFilm(*this, 150, 1150, 11700, 6100);
    listeChoixCategorie = ChoixCategorie(*this, QStringLiteral("Categorie"));
    connect(listeChoixCategorie, &QComboBox::activated, this, &FrmSupprimer::categorieChoisie);
    connect(grilleFilms, &MSFlexGrid::Click, this, &FrmSupprimer::ouvrirFilm);
    ajouterEntree("Retour", "Retour", &FrmSupprimer::revenir);
    ajouterEntree("Enregitre", "Supprimer", &FrmSupprimer::supprimer);
    ajouterEntree("Autre", "Autre Film", &FrmSupprimer::autreFilm);
    ajouterEntree("Caztegori", "Autre Categorie", &FrmSupprimer::autreCategorie);
}

void FrmSupprimer::charger() {
    MiseEnPlaceStandard(*this);
    RemplirCategories(listeChoixCategorie);
    grilleFilms->hide();
    fiche->Fermer();
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmSupprimer::categorieChoisie() {
    categorieListee = listeChoixCategorie->currentText();
    listeChoixCategorie->hide();
    lister();
}

void FrmSupprimer::lister() {
    mode = ModeFilm::Liste;
    fiche->Fermer();
    ListerCategorie(*grilleFilms, colonnes(), categorieListee);
}

void FrmSupprimer::ouvrirFilm() {
    if (mode != ModeFilm::Liste) return;
    menu(QStringLiteral("Caztegori"))->setEnabled(false);
    // The heading, the empty row after the last film or a film gone meanwhile: nothing opens,
    // the operator is told and sees the list again.
    if (fiche->OuvrirLigne(*grilleFilms) != FicheFilm::Clic::Ouvert) {
        env().message(QString::fromUtf8("Pas de Film d'enregisté"));
        return lister();
    }
    mode = ModeFilm::Fiche;
}

void FrmSupprimer::supprimer() {
    if (mode != ModeFilm::Fiche) return;
    try {
        if (!SupprimerFilm(fiche->cle())) env().message(QString::fromUtf8("Pas de Film d'enregisté"));
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE FILM N'A PAS PU ETRE SUPPRIME :\n%1").arg(e.message()));
        return;
    } catch (const std::exception& e) {
        env().message(
            QStringLiteral("LE FILM N'A PAS PU ETRE SUPPRIME :\n%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    menu(QStringLiteral("Caztegori"))->setEnabled(true);
    lister();
}

void FrmSupprimer::autreFilm() {
    menu(QStringLiteral("Caztegori"))->setEnabled(true);
    lister();
}

void FrmSupprimer::autreCategorie() {
    listeChoixCategorie->show();
    grilleFilms->hide();
}

void FrmSupprimer::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
