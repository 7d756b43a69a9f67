#pragma once
// "NOUVEL ABONNE": registers members one after another, each with the next member identifier,
// today's date and three empty loan slots.

#include "platform/Form.h"

class QLabel;

namespace vidora {

class FicheAbonne;

class FrmNouvAbon : public Form {
    Q_OBJECT
  public:
    FrmNouvAbon();
    void charger() override;
    // Makes the window ready for the next member.
    void preparerSaisie();
    void enregistrer();
    void revenir();

    QLabel* libelleTitre;
    FicheAbonne* fiche;

    // The member counter read at the clearing; the save writes it back plus 1. -1 when it could
    // not be read, so that nothing is saved under a guessed identifier.
    qint64 compteurAbonnes = -1;
};

} // namespace vidora
