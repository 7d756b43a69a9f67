#pragma once
// The members grid: every member of table Abonne with its identifier, name, first name, address,
// postal code and town, in table order. The lending window and the member search and deletion
// windows show it with a different first address column and font rule.

namespace vidora {

class MSFlexGrid;

struct GrilleAbonnes {
    int largeurAdresse1 = 1400; // design width of "ADRESSE1", in twips
    bool policeTaillePolice = true;
};
inline constexpr GrilleAbonnes kGrilleRechercheAbonnes{1400, true};
inline constexpr GrilleAbonnes kGrillePretAbonnes{2400, false};

// Builds the grid afresh; column 0 of each row holds the member's key. Throws ErreurBase when the
// table cannot be opened.
void PreparerGrilleAbonnes(MSFlexGrid& g, const GrilleAbonnes& grille);

} // namespace vidora
