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
    // The folder list went to another folder: it becomes the one picked.
    void dossierParcouru();
    // Another volume: the folder list goes to its top, the record's sub-folder picked when it has one.
    void lecteurChoisi();
    void sauvegarder();
    void restaurer();
    void quitter();

    // The folder shown by the folder list.
    void setDossierListe(const QString& dossier);
    const QString& dossierListe() const { return dossierListe_; }

    QLabel* bandeauDerniereSauvegarde;
    QComboBox* listeLecteurs;
    QListWidget* listeDossiers;
    QLineEdit* caseDossier;
    QLabel* bandeauOperation;
    QGroupBox* zoneProgression;
    QProgressBar* barreProgression;

  private:
    // Shows the record's folder under `titre`; false when the record names no folder. With
    // `aFaire`, the folder may be one that the first backup will make.
    bool lireFiche(const QString& titre, bool aFaire);
    // Runs a copy with the database closed; true when it went through. While it runs, a request
    // to close the program is refused with `enCours`. On a failure the operator is told `echec`
    // and why; `intact` says what a failure of any kind leaves unchanged, for the failures whose
    // own text cannot say it. The window is usable again; the database is opened again in any case.
    bool operer(const QString& libelle, const QString& enCours, const QString& echec, const QString& intact,
                const std::function<void()>& travail);
    void etatDepart();
    void montrer(const QString& nom, int indice, int nombre);
    // Shows a folder in the folder box as the one picked.
    void montrerDossier(const QString& dossier);
    // The folder picked, exactly as it is, unless the box shows another text.
    QString dossierVise() const;

    QString dossierListe_;
    QString sousDossier_; // the record's folder below its volume, kept across a change of volume
    QString dossierAppli_;
    QString dossierChoisi_;
};

} // namespace vidora
