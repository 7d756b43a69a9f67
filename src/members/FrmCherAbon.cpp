#include "members/FrmCherAbon.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Schema.h"
#include "members/FicheAbonne.h"
#include "platform/Database.h"
#include "platform/Environnement.h"

namespace vidora {

namespace {

// The identifier is shown only; the other boxes write in capitals, Enter going round from the
// name to the date and back.
constexpr std::array<bool, 8> kMajuscules = {false, true, true, true, true, true, true, true};
constexpr std::array<int, 8> kEntreeVers = {-1, 2, 3, 4, 5, 6, 7, 1};

} // namespace

FrmCherAbon::FrmCherAbon()
    : ListeAbonnes(QStringLiteral("FrmCherAbon"), QStringLiteral("Recherche/Modif"),
                   QStringLiteral("Enregistrer"), kMajuscules, kEntreeVers) {}

void FrmCherAbon::valider() {
    if (cleAbonne() < 0) return;
    if (!fiche->EntreesObligatoires()) return;
    const bool enregistre = Tenter(QStringLiteral("L'ABONNE N'A PAS PU ETRE ENREGISTRE"), [&] {
        auto t = ctx().base().ouvrirTable(schema::Abonne::table);
        if (t->AllerA(cleAbonne())) {
            t->Edit();
            fiche->Ecrire(*t);
            t->Update();
        }
    });
    if (!enregistre) return;
    montrerListe();
}

} // namespace vidora
