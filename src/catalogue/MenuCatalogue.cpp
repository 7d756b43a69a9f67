#include "catalogue/MenuCatalogue.h"

#include "catalogue/FrmClassement.h"
#include "catalogue/FrmControle.h"
#include "catalogue/FrmEtiquette.h"
#include "catalogue/FrmListe.h"
#include "catalogue/FrmRecher.h"
#include "catalogue/FrmRecherNom.h"
#include "catalogue/FrmSaisir.h"
#include "catalogue/FrmSupprimer.h"
#include "catalogue/FrmUtilitaire.h"
#include "catalogue/MAJ.h"
#include "shell/Entrees.h"
#include "shell/Ouverture.h"

namespace vidora {

void EnregistrerEntreesCatalogue() {
    EnregistrerEntree(QStringLiteral("Saisi"), [] { OuvrirParDessus<FrmSaisir>(); });
    EnregistrerEntree(QStringLiteral("Liste"), [] { OuvrirParDessus<FrmListe>(); });
    EnregistrerEntree(QStringLiteral("reche"), [] { OuvrirParDessus<FrmSupprimer>(); });
    EnregistrerEntree(QStringLiteral("recher"), [] { OuvrirParDessus<FrmRecher>(); });
    EnregistrerEntree(QStringLiteral("RechNom"), [] { OuvrirParDessus<FrmRecherNom>(); });
    EnregistrerEntree(QStringLiteral("Control"), [] { OuvrirParDessus<FrmControle>(); });
    EnregistrerEntree(QStringLiteral("Classe"), [] { OuvrirParDessus<FrmClassement>(); });
    EnregistrerEntree(QStringLiteral("Etique"), [] { Remplacer<FrmEtiquette>(); });
    EnregistrerEntree(QStringLiteral("Util"), [] { OuvrirParDessus<FrmUtilitaire>(); });
    EnregistrerEntree(QStringLiteral("MaJour"), [] { OuvrirParDessus<MAJ>(); });
}

} // namespace vidora
