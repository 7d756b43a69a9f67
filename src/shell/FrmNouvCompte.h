#pragma once
// "CREATION DE BASE": makes a new club database and hands over to its settings record.

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vidora {

class FrmNouvCompte : public Form {
    Q_OBJECT
  public:
    FrmNouvCompte();
    void charger() override;
    void creer();
    void revenir();

    QLabel* libelleTitre;
    QLabel* libelleNom;
    QLineEdit* caseNom;
    QPushButton* boutonCreer;
    QPushButton* boutonAnnuler;
};

// The file name of a new database from the typed name: the part from the first dot on becomes
// ".MDB", and a name without a dot gets ".MDB" appended.
QString NomFichierBase(const QString& nom);
// Why a typed name cannot name a database file here; empty when it can.
QString RefusNomBase(const QString& nom);

// Loads the new-database window in place of the main window.
void ChargerNouvelleBase(Form* principale);

} // namespace vidora
