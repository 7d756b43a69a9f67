#pragma once
// "CHANGER LE MOT DE PASSE": the old password, the new one, the new one again; the change is
// confirmed for five seconds, then the main window asks for the database and its password afresh.

#include "platform/Form.h"

#include <optional>

class QLabel;
class QLineEdit;
class QTimer;

namespace vidora {

class FrmMotDePasse : public Form {
    Q_OBJECT
  public:
    FrmMotDePasse();
    void charger() override;
    void ancienValide();
    void nouveauValide();
    void repetitionValide();
    // Shows that the new password is recorded, for the time of the confirmation.
    void annoncerEnregistrement();
    void revenir();

    // How long the confirmation stays, in milliseconds.
    static constexpr int kDureeConfirmation = 5000;

    QLabel* bandeauTitre;
    QLabel* libelleConsigne;
    QLabel* libelleAncien;
    QLineEdit* caseAncien;
    QLabel* libelleNouveau;
    QLineEdit* caseNouveau;
    QLabel* libelleRepetition;
    QLineEdit* caseRepetition;
    QLabel* bandeauConfirmation;
    // Ends the confirmation; the message loop runs meanwhile and the window keeps being drawn.
    QTimer* minuterie;

  private:
    // Back to the new password: the boxes emptied, the repeat hidden, nothing kept.
    void retourAuNouveau();
    // The new password in stored form, kept from its typing to its repeat; none after a refusal.
    std::optional<QString> nouveau_;
};

} // namespace vidora
