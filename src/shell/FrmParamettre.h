#pragma once
// The settings record of the current database: the club's name and address, its telephone and
// the two delays of the loans.

#include "platform/Form.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace vidora {

class FrmParamettre : public Form {
    Q_OBJECT
  public:
    FrmParamettre();
    void charger() override;
    void Lire();
    void Enregis_Click();
    void Retour_Click();

    QGroupBox* Frame1;
    // Text1 to Text9, in the order of the record's fields.
    std::array<QLineEdit*, 9> Text{};
    std::array<QLabel*, 9> Label{};
};

} // namespace vidora
