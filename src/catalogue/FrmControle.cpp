#include "catalogue/FrmControle.h"

#include "common/Grilles.h"
#include "common/Schema.h"
#include "platform/Grid.h"

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, schema::CD::MatriculeCD),
        Colonne(QStringLiteral("TITRE DU FILM"), 5800, schema::CD::Nom),
        Colonne(QStringLiteral("ETAT"), 1500, schema::CD::Etat),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 1400),
    };
    return c;
}
} // namespace

FrmControle::FrmControle()
    : FenetreFilms(QStringLiteral("FrmControle"), QString::fromUtf8("Control Physique des Films"),
                   Compte::Sans) {
    poserListe(ChampsFiche::EtatSeul, 700); // no count under the title
    ajouterEntrees(Images::Aucune);
}

void FrmControle::lister() {
    mode = ModeFilm::Liste;
    fiche->Fermer();
    PreparerGrille(*grilleFilms, colonnes(), schema::CD::table);
}

} // namespace vidora
