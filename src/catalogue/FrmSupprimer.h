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
    void categorieChoisie();
    // The list state: the films of the chosen category, the card hidden.
    void lister();
    void ouvrirFilm();
    // "Supprimer": deletes the film shown.
    void supprimer();
    void autreFilm();
    void autreCategorie();
    void revenir();

    QComboBox* listeChoixCategorie;
    QLabel* bandeau;
    MSFlexGrid* grilleFilms;
    FicheFilm* fiche;
    QString categorieListee;
    ModeFilm mode = ModeFilm::Liste; // the list, or the chooser
};

// Deletes the film of this key: its row in one transaction, then, once that is committed, its
// picture file, unless a film of any database of the application folder still uses that file
// (films of one title share their picture). False, with nothing deleted, when no film holds the key; throws
// ErreurBase when the row cannot be deleted.
bool SupprimerFilm(qint64 cle);

} // namespace vidora
