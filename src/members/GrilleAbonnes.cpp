#include "members/GrilleAbonnes.h"

#include "common/Grilles.h"
#include "common/Schema.h"

namespace vidora {

void PreparerGrilleAbonnes(MSFlexGrid& g, const GrilleAbonnes& grille) {
    const QVector<ColonneGrille> colonnes = {
        Colonne(QStringLiteral("REF"), 900, schema::Abonne::MatriculeAbon),
        Colonne(QStringLiteral("NOM ABONNE"), 1700, schema::Abonne::NomAbon),
        Colonne(QStringLiteral("PRENOM"), 1500, schema::Abonne::PrenomAbon),
        Colonne(QStringLiteral("ADRESSE1"), grille.largeurAdresse1, schema::Abonne::Adresse1Abon),
        Colonne(QStringLiteral("ADRESSE2"), 2400, schema::Abonne::Adresse2Abon),
        Colonne(QStringLiteral("CODE"), 700, schema::Abonne::CodeAbon),
        Colonne(QStringLiteral("VILLE"), 1500, schema::Abonne::VilleAbon),
    };
    OptionsGrille o;
    o.policeTaillePolice = grille.policeTaillePolice;
    PreparerGrille(g, colonnes, schema::Abonne::table, {}, o);
}

} // namespace vidora
