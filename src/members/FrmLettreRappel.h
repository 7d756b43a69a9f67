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
    void Retour_Click();

    QLineEdit* Text1; // DelaiMini, as read for the pass
    QLineEdit* Text2; // DelaiMaxi
    MSFlexGrid* MSFlexGrid1;
    // The kind of the letter being printed; 0 outside a letter.
    int Mode = 0;

  private:
    void passe();
};

} // namespace vidora
