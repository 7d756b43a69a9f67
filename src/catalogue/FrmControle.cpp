#include "catalogue/FrmControle.h"

#include "common/Grilles.h"
#include "platform/Grid.h"

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, QStringLiteral("MatriculeCD")),
        Colonne(QStringLiteral("TITRE DU FILM"), 5800, QStringLiteral("Nom")),
        Colonne(QStringLiteral("ETAT"), 1500, QStringLiteral("Etat")),
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
    PreparerGrille(*grilleFilms, colonnes(), QStringLiteral("CD"));
}

} // namespace vidora
