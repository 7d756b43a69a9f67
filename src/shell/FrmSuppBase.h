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
    void baseChoisie(QListWidgetItem* item);
    void motDePasseValide();
    void revenir();

    QLabel* bandeauTitre;
    QListWidget* listeBases;
    QLabel* libelleMotDePasse;
    QLineEdit* caseMotDePasse;
    QLabel* valeurBase;

  private:
    // The list of the databases, nothing chosen.
    void proposerBases();
    void supprimer();

    QString nom_; // the file name of the database to delete, as listed
};

// The menu entry: closes the current database, then loads the window in place of the main window.
void OuvrirSuppressionBase();

} // namespace vidora
