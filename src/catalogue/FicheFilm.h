#pragma once
// The film card: the detail view of one film of table CD, shared by the film windows. It shows the
// film of a clicked grid row, saves what the operator changed, and chooses or erases the picture.
// The card's controls belong to the window that carries it (registered at their design places),
// the card itself being one frame that the window shows or hides as a whole. The windows of the
// family differ in how category, state and speciality are shown and in what a save writes.

#include "common/Schema.h"

#include <QFrame>

#include <QString>

#include <array>
#include <initializer_list>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vidora {

class BoiteImage;
class Form;
class MSFlexGrid;

// How a card shows category, state and speciality, and what its save writes.
enum class ChampsFiche {
    Listes,   // three choice lists; the save writes the film
    Boites,   // three plain boxes, no list read; the save writes the film
    EtatSeul, // the state as a choice list, category and speciality in plain boxes; the save
              // writes the state alone
};

// The state of a film window that carries the card: its search box (the search by title only),
// its list of films, or the card.
enum class ModeFilm { Recherche, Liste, Fiche };

class FicheFilm : public QFrame {
    Q_OBJECT
  public:
    // Builds the card inside the window, at its design place (twips).
    FicheFilm(Form& fenetre, double left, double top, double width, double height,
              ChampsFiche champs = ChampsFiche::Listes);

    // Empties every box and the picture; the picture flag becomes "N".
    void Vider();
    // Fills the card's choice lists from Genre, Etat and Special, in table order.
    void RemplirListes();
    // Shows the film of the row with this key, the card emptied first. False when no film holds
    // the key (nothing is shown then).
    bool Ouvrir(qint64 cle);
    // What a click on a grid row of films gave.
    enum class Clic {
        SansFilm,    // the heading or the empty row after the last film: nothing to open
        Introuvable, // no film holds the row's key any more (or it could not be read)
        Ouvert,      // the card shows the film, its lists refilled, in place of the grid
    };
    // Opens the film of the grid's current row (its key in the hidden column 0); once open, the
    // card's entries of the window are on ("Effecer l'image" only for the film's own picture).
    Clic OuvrirLigne(MSFlexGrid& grille);
    // Back to the list: the card hidden, its picture emptied and the card's entries of the window
    // ("Enregistrer", "Saisir Affiche", "Autre Film", "Effecer l'image", those it has) off.
    void Fermer();
    // Saves the film in hand; true when the film was stored or no longer exists (the caller then
    // lists again), false when the save was refused (a French message, nothing written). A card
    // that shows the state alone writes the state alone.
    bool Enregistrer();
    // The picture dialog: a chosen picture is shown and flagged "O"; a cancelled dialog or a file
    // that is not a picture changes nothing.
    void ChoisirImage();
    // Deletes the picture file of the film in hand (its stored title); the default picture, "N".
    void EffacerImage();

    // The film's own picture was loaded when it was opened.
    bool imagePropre() const { return imagePropre_; }
    qint64 cle() const { return cle_; }
    // DrapeauImage: "O" when the box holds the film's picture, to be written at the save.
    QString DrapeauImage() const;

    QLineEdit* caseReference; // not editable
    QLineEdit* caseTitre;     // typed letters become capitals
    QLineEdit* caseDate;
    // The shelf place, shown only: a save never writes it.
    QLineEdit* caseTravee;
    QLineEdit* caseRang;
    QLineEdit* caseNumero;
    QLineEdit* caseExemplaires;  // copies on the shelf (Sortie)
    QLineEdit* caseDrapeauImage; // hidden: what DrapeauImage() reads
    QComboBox* listeCategories;
    QComboBox* listeEtats;
    QComboBox* listeSpecialites;
    // The plain boxes that stand in for the lists (Boites: category, state, speciality;
    // EtatSeul: category and speciality only).
    QLineEdit* caseCategorie;
    QLineEdit* caseEtat;
    QLineEdit* caseSpecialite;
    BoiteImage* imageFilm;

  private:
    // The card's entries of the window: on while a film is shown.
    void activerEntrees(bool fiche);
    void imageParDefaut();
    bool enregistrerEtat();
    // The texts to save, from the lists or the boxes that this card shows.
    QString categorie() const;
    QString etat() const;
    QString specialite() const;
    // The texts that a save may write: title, date, category, state, speciality, copies.
    std::array<QString, 6> textes() const;

    Form& fenetre_;
    ChampsFiche champs_;
    // The texts the card showed when the film was opened: a field whose text is still the same
    // was not changed by the operator and is not written.
    std::array<QString, 6> montres_;

    qint64 cle_ = -1;
    QString titreStocke_;
    bool imagePropre_ = false;
};

// An editable choice list of a film's field. What it holds, typed or chosen, is checked against the
// field's width at the save, never cut short.
QComboBox* ListeFilm(QWidget* parent);
// Empties a list and fills it with a field of every row of a table, in table order, no text chosen.
void RemplirListe(QComboBox* c, const QString& table, const QString& champ);
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
    schema::NomSchema champ;
    QString texte;
};
// Refusal of the first text longer than its CD field: empty when they all fit.
QString RefusLargeur(std::initializer_list<TexteSaisi> textes);

} // namespace vidora
