#include "members/ListeAbonnes.h"

#include "common/Contexte.h"
#include "common/Grilles.h"
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
        {"Label2", "Label3", "Label7", "Label8", "Label9", "Label10", "Label11", "Label4"},
        majuscules,
        entreeVers,
        false,
    };
    Label1 = controle(LabelEncadre(this, QStringLiteral("LISTE DES ABONNES")), 3000, 150, 6000, 450);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The grid ends where the window's visible area ends on the smallest screen, so that the last
    // rows of a long list scroll into view.
    MSFlexGrid1 = controle(new MSFlexGrid(this), 300, 800, 11400, 6600);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    Fiche = new FicheAbonne(*this, 1200, 800, 9300, 6500, modele);
    connect(MSFlexGrid1, &MSFlexGrid::Click, this, &ListeAbonnes::MSFlexGrid1_Click);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &ListeAbonnes::Retour_Click);
    connect(ajouterEntree(QStringLiteral("Enregitre"), libelleEnregitre), &QAction::triggered, this,
            &ListeAbonnes::Enregitre_Click);
    connect(ajouterEntree(QStringLiteral("Autre"), QStringLiteral("Autre Abonne")), &QAction::triggered, this,
            &ListeAbonnes::Autre_Click);
}

void ListeAbonnes::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void ListeAbonnes::Lire() {
    MSFlexGrid1->hide();
    Fiche->hide();
    cleAbonne_ = -1;
    menu(QStringLiteral("Enregitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(false);
    show();
    try {
        PreparerGrilleAbonnes(*MSFlexGrid1, kGrilleRechercheAbonnes);
    } catch (const ErreurBase& e) {
        MSFlexGrid1->show();
        env().message(QStringLiteral("LA LISTE DES ABONNES NE PEUT ETRE LUE :\n%1").arg(e.message()));
    }
}

void ListeAbonnes::MSFlexGrid1_Click() {
    const qint64 cle = CleLigneCourante(*MSFlexGrid1);
    if (cle < 0) return;
    try {
        auto t = ctx().base().ouvrirTable(QStringLiteral("Abonne"));
        // A member deleted since the list was built: the list is built again.
        if (!t->AllerA(cle)) return Lire();
        Fiche->Remplir(*t);
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LA FICHE DE L'ABONNE NE PEUT ETRE LUE :\n%1").arg(e.message()));
        return;
    }
    cleAbonne_ = cle;
    MSFlexGrid1->hide();
    Fiche->show();
    menu(QStringLiteral("Enregitre"))->setEnabled(true);
    menu(QStringLiteral("Autre"))->setEnabled(true);
    Fiche->caseNom->setFocus();
}

void ListeAbonnes::Autre_Click() {
    Lire();
}

void ListeAbonnes::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
