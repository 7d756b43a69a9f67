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
#include "shell/Ouverture.h"

#include <QMap>

namespace vidora {

bool OuvrirFenetreCatalogue(const QString& entree) {
    using Ouvrir = void (*)();
    static const QMap<QString, Ouvrir> fenetres = {
        {QStringLiteral("Saisi"), [] { OuvrirParDessus<FrmSaisir>(); }},
        {QStringLiteral("Liste"), [] { OuvrirParDessus<FrmListe>(); }},
        {QStringLiteral("reche"), [] { OuvrirParDessus<FrmSupprimer>(); }},
        {QStringLiteral("recher"), [] { OuvrirParDessus<FrmRecher>(); }},
        {QStringLiteral("RechNom"), [] { OuvrirParDessus<FrmRecherNom>(); }},
        {QStringLiteral("Control"), [] { OuvrirParDessus<FrmControle>(); }},
        {QStringLiteral("Classe"), [] { OuvrirParDessus<FrmClassement>(); }},
        {QStringLiteral("Etique"), [] { Remplacer<FrmEtiquette>(); }},
        {QStringLiteral("Util"), [] { OuvrirParDessus<FrmUtilitaire>(); }},
        {QStringLiteral("MaJour"), [] { OuvrirParDessus<MAJ>(); }},
    };
    const Ouvrir ouvrir = fenetres.value(entree, nullptr);
    if (!ouvrir) return false;
    ouvrir();
    return true;
}

} // namespace vidora
