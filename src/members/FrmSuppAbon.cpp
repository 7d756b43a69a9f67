#include "members/FrmSuppAbon.h"

#include "common/Contexte.h"
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
    try {
        auto t = ctx().base().ouvrirTable(schema::Abonne::table);
        if (t->AllerA(cleAbonne())) t->Delete();
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("L'ABONNE N'A PAS PU ETRE SUPPRIME :\n%1").arg(e.message()));
        return;
    }
    montrerListe();
}

} // namespace vidora
