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

    void Lire();
    void Charger_Click();
    void Creer_Click();
    void Efface_Click();
    void Code_Click();
    void Ajout_Click();
    void Supp_Click();
    void Enregistre_Click();
    void File1_Click(QListWidgetItem* item);
    void File2_Click(QListWidgetItem* item);
    void Text3_Entree();
    void List2_Click(QListWidgetItem* item);
    void Retour_Click();

    QPlainTextEdit* Text1;
    QLabel* Label1;
    QLineEdit* Text2;
    QListWidget* File1;
    QListWidget* File2;
    QLabel* Label2;
    QLineEdit* Text3;
    QListWidget* List1;
    QListWidget* List2;

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
