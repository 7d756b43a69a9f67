#pragma once
// Film deletion: the operator chooses a category, clicks a film of its list, sees its card and
// deletes it with "Supprimer": its row of CD, then its picture file. Nothing typed on the card is
// ever stored.

#include "catalogue/FicheFilm.h"
#include "platform/Form.h"

#include <QString>

class QComboBox;
class QLabel;

namespace vidora {

class MSFlexGrid;

class FrmSupprimer : public Form {
    Q_OBJECT
  public:
    FrmSupprimer();
    void charger() override;
    void Combo4_Click();
    // The list state: the films of the chosen category, the card hidden.
    void Lire();
    void MSFlexGrid1_Click();
    // "Supprimer": deletes the film shown.
    void Enregitre_Click();
    void Autre_Click();
    void Caztegori_Click();
    void Retour_Click();

    QComboBox* listeChoixCategorie; // the category chooser
    QLabel* bandeau;
    MSFlexGrid* grilleFilms;
    FicheFilm* fiche;
    QString CategorieChoisie;
    ModeFilm Mode = ModeFilm::Liste; // the list, or the chooser
};

// Deletes the film of this key: its row in one transaction, then, once that is committed, its
// picture file, unless a film of any database of the application folder still uses that file
// (films of one title share their picture). False, with nothing deleted, when no film holds the key; throws
// ErreurBase when the row cannot be deleted.
bool SupprimerFilm(qint64 cle);

} // namespace vidora
