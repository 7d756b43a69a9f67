#include "members/ListeAbonnes.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "members/GrilleAbonnes.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace vidora {

ListeAbonnes::ListeAbonnes(const QString& nom, const QString& titre, const QString& libelleEnregitre,
                           const std::array<bool, 8>& majuscules, const std::array<int, 8>& entreeVers)
    : Form(nom, titre) {
    const ModeleFicheAbonne modele = {
        {"Reference", "NOM", "PRENOM", "ADRESSE1", "ADRESSE2", "CODE POSTAL", "VILLE", "Date D'Adhesion"},
        {"libelleMatricule", "libelleNom", "libellePrenom", "libelleAdresse1", "libelleAdresse2",
         "libelleCodePostal", "libelleVille", "libelleDate"},
        majuscules,
        entreeVers,
        false,
    };
    bandeau =
        controle(LabelEncadre(this, QStringLiteral("LISTE DES ABONNES")), "bandeau", 3000, 150, 6000, 450);
    // The grid ends where the window's visible area ends on the smallest screen, so that the last
    // rows of a long list scroll into view.
    grilleAbonnes = controle(new MSFlexGrid(this), "grilleAbonnes", 300, 800, 11400, 6600);
    fiche = new FicheAbonne(*this, 1200, 800, 9300, 6500, modele);
    connect(grilleAbonnes, &MSFlexGrid::Click, this, &ListeAbonnes::abonneChoisi);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &ListeAbonnes::revenir);
    connect(ajouterEntree(QStringLiteral("Enregitre"), libelleEnregitre), &QAction::triggered, this,
            &ListeAbonnes::valider);
    connect(ajouterEntree(QStringLiteral("Autre"), QStringLiteral("Autre Abonne")), &QAction::triggered, this,
            &ListeAbonnes::autreAbonne);
}

void ListeAbonnes::charger() {
    MiseEnPlaceStandard(*this);
    montrerListe();
}

void ListeAbonnes::montrerListe() {
    grilleAbonnes->hide();
    fiche->hide();
    cleAbonne_ = -1;
    menu(QStringLiteral("Enregitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(false);
    show();
    const auto echec = MessageEchec(QStringLiteral("LA LISTE DES ABONNES NE PEUT ETRE LUE"),
                                    [&] { PreparerGrilleAbonnes(*grilleAbonnes, kGrilleRechercheAbonnes); });
    if (echec) {
        grilleAbonnes->show();
        env().message(*echec);
    }
}

void ListeAbonnes::abonneChoisi() {
    const qint64 cle = CleLigneCourante(*grilleAbonnes);
    if (cle < 0) return;
    bool trouve = false;
    const bool lue = Tenter(QStringLiteral("LA FICHE DE L'ABONNE NE PEUT ETRE LUE"), [&] {
        auto t = ctx().base().ouvrirTable(schema::Abonne::table);
        // A member deleted since the list was built: the list is built again.
        trouve = t->AllerA(cle);
        if (!trouve) return montrerListe();
        fiche->Remplir(*t);
    });
    if (!lue || !trouve) return;
    cleAbonne_ = cle;
    grilleAbonnes->hide();
    fiche->show();
    menu(QStringLiteral("Enregitre"))->setEnabled(true);
    menu(QStringLiteral("Autre"))->setEnabled(true);
    fiche->caseNom->setFocus();
}

void ListeAbonnes::autreAbonne() {
    montrerListe();
}

void ListeAbonnes::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
