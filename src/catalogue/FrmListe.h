#pragma once
// The film list: every film sorted by title with its identifier, category, shelf place and copies,
// and the number of films. A click opens the film card, where the film is changed and saved.

#include "catalogue/FenetreFilms.h"

#include <QString>
#include <QVector>

#include <vector>

namespace vidora {

// One film of the list: its record key and the texts of its grid row.
struct LigneFilm {
    qint64 cle = -1;
    QString nom;
    bool nomNul = false; // a title with no value is neither greater nor smaller than any other
    QString matricule, categorie, classement, sortie;
};

// Sorts the films by title, character code by character code, into the very order that the
// exchange sort (for i, for k > i, exchange entries i and k when title i > title k; a missing title
// neither greater nor smaller) gives, equal and missing titles included: n log n, and k x k more
// for a group of k equal titles.
void TrierParTitre(QVector<LigneFilm>& films);
// The same order without moving the films: entry k names the film that the sort puts at place k.
std::vector<int> OrdreParTitre(const QVector<LigneFilm>& films);

class FrmListe : public FenetreFilms {
    Q_OBJECT
  public:
    FrmListe();
    // The list state: every film read, sorted and shown, the card hidden.
    void lister() override;
};

} // namespace vidora
