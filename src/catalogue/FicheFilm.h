#pragma once
// The film card: the detail view of one film of table CD, shared by the film windows. It shows the
// film of a clicked grid row, saves what the operator changed, and chooses or erases the picture.
// The card's controls belong to the window that carries it (registered at their design places),
// the card itself being one frame that the window shows or hides as a whole.

#include <QFrame>

#include <QString>
#include <initializer_list>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vidora {

class BoiteImage;
class Form;

class FicheFilm : public QFrame {
    Q_OBJECT
  public:
    // Builds the card inside the window, at its design place (twips).
    FicheFilm(Form& fenetre, double left, double top, double width, double height);

    // Empties every box and the picture; the picture flag becomes "N".
    void Vider();
    // Fills the three choice lists from Genre, Etat and Special, in table order.
    void RemplirListes();
    // Shows the film of the row with this key, the card emptied first. False when no film holds
    // the key (nothing is shown then).
    bool Ouvrir(qint64 cle);
    // Saves the film in hand; true when the film was stored or no longer exists (the caller then
    // lists again), false when the save was refused (a French message, nothing written).
    bool Enregistrer();
    // The picture dialog: a chosen picture is shown and flagged "O"; a cancelled dialog or a file
    // that is not a picture changes nothing.
    void ChoisirImage();
    // Deletes the picture file of the film in hand (its stored title); the default picture, "N".
    void EffacerImage();

    // The film's own picture was loaded when it was opened.
    bool imagePropre() const { return imagePropre_; }
    qint64 cle() const { return cle_; }
    // The title as stored when the film was opened.
    const QString& titreStocke() const { return titreStocke_; }
    // DrapeauImage: "O" when the box holds the film's picture, to be written at the save.
    QString DrapeauImage() const;

    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLineEdit* Text1;  // identifier, not editable
    QLineEdit* Text2;  // title: typed letters become capitals
    QLineEdit* Text3;  // date
    QLineEdit* Text4;  // bay, shown only
    QLineEdit* Text5;  // row, shown only
    QLineEdit* Text6;  // number, shown only
    QLineEdit* Text7;  // copies on the shelf (Sortie)
    QLineEdit* Text8;  // hidden: DrapeauImage
    QComboBox* Combo1; // category
    QComboBox* Combo2; // state
    QComboBox* Combo3; // speciality
    BoiteImage* Image1;

  private:
    void imageParDefaut();

    qint64 cle_ = -1;
    QString titreStocke_;
    bool imagePropre_ = false;
};

// An editable choice list whose typed text holds at most the width of its CD field.
QComboBox* ListeFilm(QWidget* parent, const QString& champ);
// Fills the three choice lists of a film: every Genre.NomGenre, Etat.NomEtat and Special.Titre,
// in table order, with no text chosen.
void RemplirListesFilm(QComboBox* categories, QComboBox* etats, QComboBox* specialites);
// Shows a text in a choice list, whether or not the list holds it.
void MontrerTexte(QComboBox* c, const QString& texte);

// Refusal of a number of copies: empty when the text (blanks around aside) is a whole number from
// 0 to 99999, else the French message to show.
QString RefusNombreExemplaires(const QString& texte);
// A text about to be saved into a field of CD, with the caption the operator knows it by.
struct TexteSaisi {
    const char* libelle;
    const char* champ;
    QString texte;
};
// Refusal of the first text longer than its CD field: empty when they all fit.
QString RefusLargeur(std::initializer_list<TexteSaisi> textes);

} // namespace vidora
