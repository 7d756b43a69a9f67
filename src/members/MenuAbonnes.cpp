#include "members/MenuAbonnes.h"

#include "members/FrmCherAbon.h"
#include "members/FrmEntreeSortie.h"
#include "members/FrmLettre.h"
#include "members/FrmLettreRappel.h"
#include "members/FrmNouvAbon.h"
#include "members/FrmSuppAbon.h"
#include "shell/Entrees.h"
#include "shell/Ouverture.h"

namespace vidora {

void EnregistrerEntreesAbonnes() {
    EnregistrerEntree(QStringLiteral("NouvAbon"), [] { OuvrirParDessus<FrmNouvAbon>(); });
    EnregistrerEntree(QStringLiteral("RechAbon"), [] { OuvrirParDessus<FrmCherAbon>(); });
    EnregistrerEntree(QStringLiteral("SuppAbon"), [] { OuvrirParDessus<FrmSuppAbon>(); });
    EnregistrerEntree(QStringLiteral("Entre"), [] { OuvrirParDessus<FrmEntreeSortie>(); });
    EnregistrerEntree(QStringLiteral("Lettre"), [] { OuvrirParDessus<FrmLettre>(); });
    EnregistrerEntree(QStringLiteral("Rappel"), [] { OuvrirParDessus<FrmLettreRappel>(); });
}

} // namespace vidora
