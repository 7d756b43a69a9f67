#include "catalogue/FrmSupprimer.h"

#include "catalogue/GrillesFilms.h"
#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Images.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"

#include <QAction>

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, schema::CD::MatriculeCD),
        Colonne(QStringLiteral("TITRE DU FILM"), 5100, schema::CD::Nom),
        Colonne(QStringLiteral("ETAT"), 700, schema::CD::Etat),
        Colonne(QStringLiteral("CATEGORIE"), 1400, schema::CD::Categorie),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 2400),
    };
    return c;
}
} // namespace

bool SupprimerFilm(qint64 cle) {
    Database& db = ctx().base();
    const QString nom = schema::CD::Nom;
    QString image;
    {
        auto t = db.ouvrirTable(schema::CD::table);
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

FrmSupprimer::FrmSupprimer()
    : FenetreFilmsParCategorie(QStringLiteral("FrmSupprimer"), QStringLiteral("Supprimer Film"),
                               Compte::Sans) {
    poserListe();
    poserChoixCategorie(QStringLiteral("Categorie"));
    ajouterEntrees(Images::Aucune, "Supprimer", &FrmSupprimer::supprimer);
    ajouterEntreeCategorie("Caztegori");
}

void FrmSupprimer::charger() {
    MiseEnPlaceStandard(*this);
    RemplirCategories(listeChoixCategorie);
    grilleFilms->hide();
    fiche->Fermer();
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmSupprimer::lister() {
    mode = ModeFilm::Liste;
    fiche->Fermer();
    ListerCategorie(*grilleFilms, colonnes(), categorieListee);
}

void FrmSupprimer::ouvrirFilm() {
    if (mode != ModeFilm::Liste) return;
    activerEntreeCategorie(false);
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
    const bool fait = Tenter(QStringLiteral("LE FILM N'A PAS PU ETRE SUPPRIME"), [&] {
        if (!SupprimerFilm(fiche->cle())) env().message(QString::fromUtf8("Pas de Film d'enregisté"));
    });
    if (!fait) return;
    activerEntreeCategorie(true);
    lister();
}

} // namespace vidora
