#pragma once
// "CLASSEMENT CD": the next free shelf place and the two limits that shape the shelves, read from
// and saved into the single row of Classe. Nothing is saved that could not give a place.

#include "platform/Form.h"

#include <array>

class QLabel;
class QLineEdit;

namespace vidora {

class FrmClassement : public Form {
    Q_OBJECT
  public:
    FrmClassement();
    void charger() override;
    // Fills the boxes from the row of Classe.
    void afficherClassement();
    void enregistrer();
    void revenir();

    // The boxes in screen order: the next free place (bay, row, number), then the last row of a bay
    // and the last number of a row.
    enum Case { Trave, Rang, Numero, DernierRang, DernierNumero, NombreCases };
    std::array<QLineEdit*, NombreCases> caseClassement{};
    QLabel* bandeau;
};

} // namespace vidora
