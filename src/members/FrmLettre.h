#pragma once
// The letter templates ("*.let" files of the application folder) and the code list ("Code"):
// write, load, save and erase a template; read, add and delete codes.

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

namespace vidora {

// Why a template name cannot name a file; empty when it can.
QString RefusNomModele(const QString& nom);

class FrmLettre : public Form {
    Q_OBJECT
  public:
    FrmLettre();
    void charger() override;

    // Back to the start: every control hidden, the template lists read again.
    void autreLettre();
    // The modes of the menu: each shows what its work needs.
    void chargerLettre();
    void creerLettre();
    void effacerLettre();
    void voirCodes();
    void ajouterCode();
    void supprimerCode();
    void enregistrer();
    void lettreAChargerChoisie(QListWidgetItem* item);
    void lettreAEffacerChoisie(QListWidgetItem* item);
    void codeValide();
    void codeASupprimerChoisi(QListWidgetItem* item);
    void revenir();

    QPlainTextEdit* caseTexteLettre;
    QLabel* libelleNomLettre;
    QLineEdit* caseNomLettre;
    QListWidget* listeLettresACharger;
    QListWidget* listeLettresAEffacer;
    QLabel* libelleCode;
    QLineEdit* caseCode;
    QListWidget* listeCodes;
    QListWidget* listeCodesASupprimer;

  private:
    enum class Etat { Depart, Chargement, Creation, Effacement, Codes, Ajout, Suppression };
    void entrerMode(Etat etat);
    void remplirCodes(QListWidget* liste);
    bool ecrireCodes(const QStringList& codes);

    Etat etat_ = Etat::Depart;
    QString fichierCourant_;       // the template that "Enregistrer" writes in the load mode
    bool finDeLigneFinale_ = true; // the loaded file ended with a line end
    bool codesLus_ = true;         // the code list was read (or is not written yet)
};

} // namespace vidora
