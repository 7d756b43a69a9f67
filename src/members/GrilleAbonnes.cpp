#include "members/GrilleAbonnes.h"

#include "common/Grilles.h"

namespace vidora {

void PreparerGrilleAbonnes(MSFlexGrid& g, const GrilleAbonnes& grille) {
    const QVector<ColonneGrille> colonnes = {
        Colonne(QStringLiteral("REF"), 900, QStringLiteral("MatriculeAbon")),
        Colonne(QStringLiteral("NOM ABONNE"), 1700, QStringLiteral("NomAbon")),
        Colonne(QStringLiteral("PRENOM"), 1500, QStringLiteral("PrenomAbon")),
        Colonne(QStringLiteral("ADRESSE1"), grille.largeurAdresse1, QStringLiteral("Adresse1Abon")),
        Colonne(QStringLiteral("ADRESSE2"), 2400, QStringLiteral("Adresse2Abon")),
        Colonne(QStringLiteral("CODE"), 700, QStringLiteral("CodeAbon")),
        Colonne(QStringLiteral("VILLE"), 1500, QStringLiteral("VilleAbon")),
    };
    OptionsGrille o;
    o.policeTaillePolice = grille.policeTaillePolice;
    PreparerGrille(g, colonnes, QStringLiteral("Abonne"), {}, o);
}

} // namespace vidora
