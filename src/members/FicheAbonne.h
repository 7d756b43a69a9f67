#pragma once
// The member card: the eight identity fields of a member of table Abonne in eight boxes, from the
// identifier to the date of membership. Shared by the new-member, member search and member
// deletion windows, each with its own captions and key rules. The card's controls belong to the
// window that carries it (registered at their design places), the card itself being one frame
// that the window shows or hides as a whole.

#include <QFrame>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;

namespace vidora {

class Form;
class Recordset;

// What differs from one window's card to another's; entry i is about box cases()[i].
struct ModeleFicheAbonne {
    std::array<const char*, 8> libelles{};
    // Object names of the caption labels (nullptr: none).
    std::array<const char*, 8> nomsLibelles{};
    // Typed characters become capitals.
    std::array<bool, 8> majuscules{};
    // The box that Enter moves to, or -1 when Enter moves nowhere.
    std::array<int, 8> entreeVers{-1, -1, -1, -1, -1, -1, -1, -1};
    // The identifier can be typed (new member) or only shown.
    bool matriculeModifiable = true;
};

class FicheAbonne : public QFrame {
    Q_OBJECT
  public:
    // Builds the card inside the window at its design place (twips): about 9300 x 6500.
    FicheAbonne(Form& fenetre, double left, double top, double width, double height,
                const ModeleFicheAbonne& modele);

    void Vider();
    // Fills the boxes with the identity fields of the recordset's current row, exactly as stored.
    void Remplir(const Recordset& r);
    // Sets the identity fields of the row being edited or added from the boxes, as typed; an
    // address line left empty or blank is stored as two blanks. After Remplir, only the fields
    // whose box the operator changed are set: the others keep their stored text untouched.
    void Ecrire(Recordset& r) const;
    // The required entries (name, postal code, town, trimmed): the first one missing is told to
    // the operator and the answer is false.
    bool EntreesObligatoires() const;

    // The eight boxes in card order, for what is done to each in turn.
    std::array<QLineEdit*, 8> cases() const;

    std::array<QLabel*, 8> libelles{};
    QLineEdit* caseMatricule;
    QLineEdit* caseNom;
    QLineEdit* casePrenom;
    QLineEdit* caseAdresse1;
    QLineEdit* caseAdresse2;
    QLineEdit* caseCodePostal;
    QLineEdit* caseVille;
    QLineEdit* caseDate;

  private:
    // The texts that Remplir showed; none after Vider.
    std::array<QString, 8> montres_;
    bool rempli_ = false;
};

} // namespace vidora
