#pragma once
// Film deletion: the operator chooses a category, clicks a film of its list, sees its card and
// deletes it with "Supprimer": its row of CD, then its picture file. Nothing typed on the card is
// ever stored.

#include "catalogue/FenetreFilms.h"

#include <QtGlobal>

namespace vidora {

class FrmSupprimer : public FenetreFilmsParCategorie {
    Q_OBJECT
  public:
    FrmSupprimer();
    void charger() override;
    // The list state: the films of the chosen category, the card hidden.
    void lister() override;
    // A click on the grid: a row without a film open tells the operator so and lists again.
    void ouvrirFilm() override;
    // "Supprimer": deletes the film shown.
    void supprimer();
};

// Deletes the film of this key: its row in one transaction, then, once that is committed, its
// picture file, unless a film of any database of the application folder still uses that file
// (films of one title share their picture). False, with nothing deleted, when no film holds the key; throws
// ErreurBase when the row cannot be deleted.
bool SupprimerFilm(qint64 cle);

} // namespace vidora
