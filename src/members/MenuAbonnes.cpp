#include "members/MenuAbonnes.h"

#include "members/FrmCherAbon.h"
#include "members/FrmEntreeSortie.h"
#include "members/FrmNouvAbon.h"
#include "members/FrmSuppAbon.h"
#include "shell/Ouverture.h"

namespace vidora {

bool OuvrirFenetreAbonnes(const QString& entree) {
    if (entree == QLatin1String("NouvAbon")) {
        OuvrirParDessus<FrmNouvAbon>();
        return true;
    }
    if (entree == QLatin1String("RechAbon")) {
        OuvrirParDessus<FrmCherAbon>();
        return true;
    }
    if (entree == QLatin1String("SuppAbon")) {
        OuvrirParDessus<FrmSuppAbon>();
        return true;
    }
    if (entree == QLatin1String("Entre")) {
        OuvrirParDessus<FrmEntreeSortie>();
        return true;
    }
    return false;
}

} // namespace vidora
