#include "members/MenuLettres.h"

#include "members/FrmLettre.h"
#include "members/FrmLettreRappel.h"
#include "shell/Ouverture.h"

namespace vidora {

bool OuvrirFenetreLettres(const QString& entree) {
    if (entree == QLatin1String("Lettre")) {
        OuvrirParDessus<FrmLettre>();
        return true;
    }
    if (entree == QLatin1String("Rappel")) {
        OuvrirParDessus<FrmLettreRappel>();
        return true;
    }
    return false;
}

} // namespace vidora
