#include "catalogue/FrmRecherNom.h"

#include "catalogue/GrillesFilms.h"
#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "platform/RegleSaisie.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace vidora {

namespace {
// Room kept under the grid so that its last line is never cut by the window's edge.
constexpr double kMargeBas = 60;
} // namespace

double HauteurGrilleRecherche(int m) {
    return std::min(380.0 * m + 550, 7068.0);
}

FrmRecherNom::FrmRecherNom()
    : FenetreFilms(QStringLiteral("FrmRecherNom"), QStringLiteral("Recherche par Nom"), Compte::Avec) {
    mode = ModeFilm::Recherche;
    caseRecherche = controle(new QLineEdit(this), "caseRecherche", 3000, 1150, 6000, 420);
    MajusculeFrappe(caseRecherche);
    poserListe(ChampsFiche::Boites);
    connect(caseRecherche, &QLineEdit::returnPressed, this, &FrmRecherNom::rechercher);
    ajouterEntrees(Images::Choisir);
}

void FrmRecherNom::montrerRecherche() {
    mode = ModeFilm::Recherche;
    caseRecherche->show();
    fiche->Fermer();
    grilleFilms->hide();
    int films = 0;
    Tenter(QStringLiteral("LA LISTE DES FILMS NE PEUT ETRE LUE"),
           [&] { films = ctx().base().ouvrirTable(schema::CD::table)->RecordCount(); });
    bandeauCompte->setText(QStringLiteral("Nombre de film %1").arg(films));
    caseRecherche->setFocus();
}

void FrmRecherNom::rechercher() {
    if (mode != ModeFilm::Recherche) return;
    texteCherche = EnMajuscules(caseRecherche->text().trimmed());
    const QString nom = schema::CD::Nom;
    // The text is looked for as it stands: no character of it has a meaning of its own.
    OptionsGrille o;
    o.masquerPendantRemplissage = false;
    PreparerGrille(
        *grilleFilms, ColonnesListeFilms(), schema::CD::table,
        [&](const Recordset& r) { return !r.EstNull(nom) && r.Texte(nom).trimmed().contains(texteCherche); },
        o);
    const int m = grilleFilms->Rows() - 2;
    // The height the search gives, within the room the window has below the grid's top.
    const double place = height() * twips::parPixel - grilleFilms->Top() - kMargeBas;
    grilleFilms->setHeight(std::min(HauteurGrilleRecherche(m), std::max(place, 0.0)));
    caseRecherche->hide();
    mode = ModeFilm::Liste;
    if (m == 0) {
        env().message(QStringLiteral("PAS DE ") + texteCherche);
        montrerRecherche();
    }
}

void FrmRecherNom::lister() {
    montrerRecherche();
}

void FrmRecherNom::autreFilm() {
    caseRecherche->clear();
    montrerRecherche();
}

} // namespace vidora
