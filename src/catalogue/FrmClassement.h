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
    // Shows the window with the row of Classe in its boxes.
    void afficherClassement();
    void enregistrer();
    void revenir();

    QLabel* bandeau;
    QLabel* libelleTravee;
    QLabel* libelleRang;
    QLabel* libelleNumero;
    QLabel* libelleDernierRang;
    QLabel* libelleDernierNumero;
    // The next free place.
    QLineEdit* caseTravee;
    QLineEdit* caseRang;
    QLineEdit* caseNumero;
    // The limits: last row of a bay, last number of a row.
    QLineEdit* caseDernierRang;
    QLineEdit* caseDernierNumero;
};

} // namespace vidora
