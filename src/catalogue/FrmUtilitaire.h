#pragma once
// "Utilitaire": the two reference lists that the film windows offer, the categories (Genre) and the
// specialities (Special). An entry is added in its place by character code, renamed, or erased;
// each change rewrites the table in one transaction. The films keep the texts they were saved with.

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace vidora {

class FrmUtilitaire : public Form {
    Q_OBJECT
  public:
    FrmUtilitaire();
    void charger() override;
    // The start state: no list open, every entry of the menu but "Annuler" offered.
    void reprendreAuDepart();
    void annuler();
    // A list offered for an addition, the entry typed going in its place.
    void ajouterCategorie();
    void ajouterSpecialite();
    // A list offered for an entry to be picked, then renamed or erased.
    void changerCategorie();
    void changerSpecialite();
    void categorieChoisie(QListWidgetItem* item);
    void specialiteChoisie(QListWidgetItem* item);
    void nouvelleCategorieValide();
    void nouvelleSpecialiteValide();
    void lettreCategorieValide();
    void lettreSpecialiteValide();
    void nouveauNomCategorieValide();
    void nouveauNomSpecialiteValide();
    void revenir();

    QListWidget* listeCategories;
    QListWidget* listeSpecialites;
    QLineEdit* caseNouvelleCategorie;
    QLineEdit* caseNouvelleSpecialite;
    // The letter of what is done with the entry picked: "M" to rename it, "E" to erase it.
    QLineEdit* caseLettreCategorie;
    QLineEdit* caseLettreSpecialite;
    QLabel* libelleLettres;
    // The new text of the entry picked.
    QLineEdit* caseNouveauNomCategorie;
    QLineEdit* caseNouveauNomSpecialite;

    // The text of the list entry last clicked.
    QString entreeChoisie;

  private:
    // One of the window's two twin halves.
    struct Moitie {
        QString table, champ;
        QListWidget* liste;
        QLineEdit *ajout, *lettre, *renomme;
        bool focusAjout;
    };
    Moitie categories() const;
    Moitie specialites() const;
    void modeAjout(const Moitie& m);
    void modeModifier(const Moitie& m);
    void choisir(const Moitie& m, QListWidgetItem* item);
    void ajouter(const Moitie& m);
    // Renames ("M") or erases ("E") the entry picked, as the letter typed says.
    void appliquerLettre(const Moitie& m);
    void renommer(const Moitie& m);
    // Fills a list from its table, in table order; false (and a message) when it cannot be read.
    bool remplir(const Moitie& m);
    // The menu while a mode is on: only "Annuler" can be chosen.
    void entreesMode(bool mode);
};

} // namespace vidora
