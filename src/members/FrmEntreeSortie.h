#pragma once
// The lending window: every member in a grid; a click shows the member's card with its three
// loan slots, each offering "Retrait" (lend) while free and "Depos" (return) while it holds a film.

#include "platform/Form.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vidora {

class MSFlexGrid;

class FrmEntreeSortie : public Form {
    Q_OBJECT
  public:
    FrmEntreeSortie();
    void charger() override;

    // The member list: the card hidden, the members grid filled afresh.
    void Lire();
    void Abon();
    // The card of the clicked member.
    void MSFlexGrid2_Click();
    // The films with a copy on the shelf, for the lend into slot ChaineTemp4.
    void Film();
    // The film picked for the lend.
    void MSFlexGrid1_Click();
    void Retrait_Click(int k);
    void Depos_Click(int k);
    void Retour_Click();
    void Menu_Click();

    QLabel* Label1;
    QLabel* Label35;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QLabel *Label5, *Label6, *Label7;
    // Frame2: identifier, loan day and due day of slots 1, 2 and 3.
    QLabel *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21, *Label22;
    // Frame3: identifier and title of slots 1, 2 and 3.
    QLabel *Label26, *Label28, *Label29, *Label31, *Label32, *Label34;
    // "Retrait" and "Depos" of slots 1 (Command1, Command2), 2 (Command3, Command4) and 3.
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6;
    MSFlexGrid* MSFlexGrid1; // films
    MSFlexGrid* MSFlexGrid2; // members

    // The identifier of the member whose card is shown, and the slot ("1" to "3") of the lend
    // under way.
    QString ChoixGrille;
    QString ChaineTemp4;

  private:
    struct Case {
        QLabel* matricule;  // Frame3
        QLabel* titre;      // Frame3
        QLabel* matricule2; // Frame2
        QLabel* sortie;
        QLabel* retour;
        QPushButton* retrait;
        QPushButton* depos;
    };
    // Reads the member's row again and fills the card; false when the member is gone.
    bool AfficherFiche();
    void montrerFiche();
    void Enregis(qint64 cleFilm);
    void Entre();

    std::array<Case, 3> cases_{};
    // The clicked member's row: the card, the lend and the return act on that very row.
    qint64 cleAbonne_ = -1;
};

} // namespace vidora
