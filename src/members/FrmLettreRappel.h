#pragma once
// The reminder pass: opening the window prints one letter for each late loan slot whose reminder
// level does not yet record the letter due, then lists the late members.

#include "platform/Form.h"

class QLineEdit;

namespace vidora {

class MSFlexGrid;

class FrmLettreRappel : public Form {
    Q_OBJECT
  public:
    FrmLettreRappel();
    void charger() override;
    void revenir();

    // The club's two delays as read for the pass.
    QLineEdit* caseDelaiMini;
    QLineEdit* caseDelaiMaxi;
    MSFlexGrid* grilleRetardataires;
    // 1 to 6 while its letter prints; 0 outside a letter.
    int typeLettreEnCours = 0;

  private:
    void imprimerRappels();
};

} // namespace vidora
