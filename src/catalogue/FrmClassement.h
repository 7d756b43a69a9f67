#pragma once
// "CLASSEMENT CD": the next free shelf place and the two limits that shape the shelves, read from
// and saved into the single row of Classe. Nothing is saved that could not give a place.

#include "platform/Form.h"

class QLabel;
class QLineEdit;

namespace vidora {

class FrmClassement : public Form {
    Q_OBJECT
  public:
    FrmClassement();
    void charger() override;
    void Lire();
    void Enreg_Click();
    void Retour_Click();

    QLabel* Label1; // heading
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label7;
    QLineEdit* Text1; // bay of the next free place
    QLineEdit* Text2; // its row
    QLineEdit* Text3; // its number
    QLineEdit* Text4; // last row of a bay
    QLineEdit* Text5; // last number of a row
};

} // namespace vidora
