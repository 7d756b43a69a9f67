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
    // Logged out, back to the choice of a database; with none to choose, to the creation of one.
    void proposerBases();
    void baseChoisie(QListWidgetItem* item);
    void motDePasseValide();
    // The logged-in state: the picture and the number of films, the whole menu available.
    void montrerConnexion();

    // Menu handlers that act in place.
    void compacterBase();
    void changerBase();
    void ouvrirSite();
    void ouvrirLisezMoi();
    void quitter();

    // The entries and menus that wait for the password, as the menu's layout marks them.
    static const QStringList& EntreesProtegees();

    QListWidget* listeBases;
    QLabel* libelleMotDePasse;
    QLineEdit* caseMotDePasse;
    QLabel* bandeauBase;
    QLabel* valeurNombreFilms;
    QLabel* imageAccueil;

  private:
    void construireMenu();
    void ouvrirDepuisMenu(const QString& nom);
    // The entry is gated or lies under a gated menu.
    bool attendMotDePasse(const QString& nom) const;
    void setEntreesProtegees(bool disponibles);
    void rafraichirListe();
};

// Loads the main window; when no frame stands yet, the frame comes up first and loads it.
FrmDepart* ChargerFrmDepart();

// Registers what the shell's own menu entries open.
void EnregistrerEntreesDepart();

} // namespace vidora
