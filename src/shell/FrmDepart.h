#pragma once
// The main window: the choice of the club's database, its password, and the whole menu.

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace vidora {

class ErreurBase;

// Tells the operator that a picked file cannot be used as a database, and why.
void RefuserBase(const QString& nom, const ErreurBase& e);

class FrmDepart : public Form {
    Q_OBJECT
  public:
    FrmDepart();

    void charger() override;
    void Lire();
    void File1_Click(QListWidgetItem* item);
    void Text1_KeyPress(int touche);
    // The logged-in state: the picture and the number of films, the whole menu available.
    void Connecte();

    // Menu handlers that act in place.
    void Base_Click();
    void Change_Click();
    void Site_Click();
    void Lisez_Click();
    void Quite_Click();

    // The entries that wait for the password.
    static const QStringList& EntreesProtegees();

    QListWidget* File1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Image1;

  private:
    void construireMenu();
    void ouvrirDepuisMenu(const QString& nom);
    void setEntreesProtegees(bool disponibles);
    void rafraichirListe();
};

} // namespace vidora
