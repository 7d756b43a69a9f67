#pragma once
// "SUPPRIMER UNE BASE": deletes a database file of the application folder, after a question and
// that database's own password, together with its films' pictures.

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace vidora {

class FrmSuppBase : public Form {
    Q_OBJECT
  public:
    FrmSuppBase();
    void charger() override;
    void File1_Click(QListWidgetItem* item);
    void Text1_KeyPress(int touche);
    void Retour_Click();

    QLabel* Label2;
    QListWidget* File1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label3;

  private:
    void Lire();
    void supprimer();

    QString nom_; // the file name of the database to delete, as listed
};

// The menu entry: closes the current database, then loads the window in place of the main window.
void OuvrirSuppressionBase();

} // namespace vidora
