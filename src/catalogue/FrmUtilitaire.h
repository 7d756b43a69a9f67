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
    // The start state.
    void Lire();
    void Annul_Click();
    void Categor_Click();
    void Specia_Click();
    void SuppCat_Click();
    void SuppSpe_Click();
    void List1_Click(QListWidgetItem* item);
    void List2_Click(QListWidgetItem* item);
    void Text1_KeyPress();
    void Text2_KeyPress();
    void Text6_KeyPress();
    void Text8_KeyPress();
    void Text7_KeyPress();
    void Text9_KeyPress();
    void Retour_Click();

    QLabel* Label1;
    QLabel* Label5;
    QListWidget* List1; // categories
    QListWidget* List2; // specialities
    QLineEdit* Text1;   // new category
    QLineEdit* Text2;   // new speciality
    QLineEdit* Text6;   // action letter, category
    QLineEdit* Text8;   // action letter, speciality
    QLineEdit* Text7;   // new text of the picked category
    QLineEdit* Text9;   // new text of the picked speciality

    // The text of the list entry last clicked.
    QString EntreeChoisie;

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
    void agir(const Moitie& m);
    void renommer(const Moitie& m);
    // Fills a list from its table, in table order; false (and a message) when it cannot be read.
    bool remplir(const Moitie& m);
    // The menu while a mode is on: only "Annuler" can be chosen.
    void entreesMode(bool mode);
};

} // namespace vidora
