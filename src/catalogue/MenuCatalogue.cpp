#include "catalogue/MenuCatalogue.h"

#include "catalogue/FrmClassement.h"
#include "catalogue/FrmEtiquette.h"
#include "catalogue/FrmListe.h"
#include "catalogue/FrmSaisir.h"
#include "catalogue/FrmUtilitaire.h"
#include "catalogue/MAJ.h"
#include "shell/Ouverture.h"

namespace vidora {

bool OuvrirFenetreCatalogue(const QString& entree) {
    if (entree == QLatin1String("Saisi")) {
        OuvrirParDessus<FrmSaisir>();
        return true;
    }
    if (entree == QLatin1String("Liste")) {
        OuvrirParDessus<FrmListe>();
        return true;
    }
    if (entree == QLatin1String("Classe")) {
        OuvrirParDessus<FrmClassement>();
        return true;
    }
    if (entree == QLatin1String("Etique")) {
        Remplacer<FrmEtiquette>();
        return true;
    }
    if (entree == QLatin1String("Util")) {
        OuvrirParDessus<FrmUtilitaire>();
        return true;
    }
    if (entree == QLatin1String("MaJour")) {
        OuvrirParDessus<MAJ>();
        return true;
    }
    return false;
}

} // namespace vidora
