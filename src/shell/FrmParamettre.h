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
    // The record's fields into the boxes.
    void afficherParametres();
    void enregistrer();
    void revenir();

    QGroupBox* zoneParametres;
    // The boxes and their captions, in the order of the record's fields.
    std::array<QLineEdit*, 9> caseParametre{};
    std::array<QLabel*, 9> libelleParametre{};
};

} // namespace vidora
