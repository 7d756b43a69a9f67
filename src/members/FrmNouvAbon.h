#pragma once
// "NOUVEL ABONNE": registers members one after another, each with the next member identifier,
// today's date and three empty loan slots.

#include "platform/Form.h"

class QLabel;
class QLineEdit;

namespace vidora {

class FicheAbonne;

class FrmNouvAbon : public Form {
    Q_OBJECT
  public:
    FrmNouvAbon();
    void charger() override;
    // Makes the window ready for the next member.
    void Lire();
    void Enregist_Click();
    void Retour_Click();

    QLabel* Label9; // the title
    FicheAbonne* Fiche;
    QLineEdit* Text1; // identifier
    QLineEdit* Text2; // name
    QLineEdit* Text3; // first name
    QLineEdit* Text4; // address line 1
    QLineEdit* Text5; // address line 2
    QLineEdit* Text6; // postal code
    QLineEdit* Text7; // town
    QLineEdit* Text8; // date of membership

    // The member counter read at the clearing; the save writes it back plus 1. -1 when it could
    // not be read, so that nothing is saved under a guessed identifier.
    qint64 EntierTemp2 = -1;
};

} // namespace vidora
