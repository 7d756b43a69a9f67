#include "members/FrmSuppAbon.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Schema.h"
#include "members/FicheAbonne.h"
#include "platform/Database.h"
#include "platform/Environnement.h"

namespace vidora {

namespace {

// The card is for checking only: the name box writes in capitals, the others take keys as typed,
// and Enter moves nowhere.
constexpr std::array<bool, 8> kMajuscules = {false, true, false, false, false, false, false, false};
constexpr std::array<int, 8> kEntreeVers = {-1, -1, -1, -1, -1, -1, -1, -1};

} // namespace

FrmSuppAbon::FrmSuppAbon()
    : ListeAbonnes(QStringLiteral("FrmSuppAbon"), QString::fromUtf8("Supprimer Abonné"),
                   QStringLiteral("Supprimer"), kMajuscules, kEntreeVers) {}

void FrmSuppAbon::valider() {
    if (cleAbonne() < 0) return;
    const bool supprime = Tenter(QStringLiteral("L'ABONNE N'A PAS PU ETRE SUPPRIME"), [&] {
        auto t = ctx().base().ouvrirTable(schema::Abonne::table);
        if (t->AllerA(cleAbonne())) t->Delete();
    });
    if (!supprime) return;
    montrerListe();
}

} // namespace vidora
