#pragma once
// "Sauvegarde": copies the club's files into a folder that the operator chooses, and back.

#include "platform/Form.h"

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;

namespace vidora {

class FrmSauvegarde : public Form {
    Q_OBJECT
  public:
    FrmSauvegarde();
    void charger() override;
    void Dir1_Change();
    void Drive1_Change();
    void Sauve_Click();
    void Restor_Click();
    void Qite_Click();

    // The folder shown by the folder list.
    void setDossierDir1(const QString& dossier);
    const QString& dossierDir1() const { return dossierDir1_; }

    QLabel* Label2;
    QComboBox* Drive1;
    QListWidget* Dir1;
    QLineEdit* Text1;
    QLabel* Label1;
    QGroupBox* Frame1;
    QProgressBar* ProgressBar1;

  private:
    bool lireFiche(const QString& titre);
    // Runs a copy with the database closed; true when it went through. On a failure the operator
    // is told, the window is usable again; the database is opened again in any case.
    bool operer(const QString& libelle, const QString& echec, const std::function<void()>& travail);
    void etatDepart();
    void montrer(const QString& nom, int indice, int nombre);
    // Shows a folder in Text1 as the one picked.
    void montrerDossier(const QString& dossier);
    // The folder picked, exactly as it is, unless the operator typed another in Text1.
    QString dossierVise() const;

    QString dossierDir1_;
    QString sousDossier_; // the record's folder below its volume, kept across a change of volume
    QString DossierAppli;
    QString dossierChoisi_;
};

} // namespace vidora
