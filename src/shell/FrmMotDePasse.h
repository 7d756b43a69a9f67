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
    void Text1_KeyPress(int touche);
    void Text2_KeyPress(int touche);
    void Text3_KeyPress(int touche);
    void Clignote();
    void Retour_Click();

    // How long the confirmation stays, in milliseconds.
    static constexpr int kDureeConfirmation = 5000;

    QLabel* Label1;
    QLabel* Label6;
    QLabel* Label2;
    QLineEdit* Text1;
    QLabel* Label3;
    QLineEdit* Text2;
    QLabel* Label4;
    QLineEdit* Text3;
    QLabel* Label5;
    // Ends the confirmation; the message loop runs meanwhile and the window keeps being drawn.
    QTimer* Timer1;

  private:
    // Back to the new password: the boxes emptied, the repeat hidden, nothing kept.
    void retourAuNouveau();
    // The new password in stored form, kept from Text2 to Text3; none after a refusal.
    std::optional<QString> nouveau_;
};

} // namespace vidora
