#pragma once
// The search by title: the operator types a text, the window lists every film whose title holds
// it, and a click opens the film card (category, state and speciality in plain boxes), where the
// film is changed and saved with its picture.

#include "catalogue/FenetreFilms.h"

#include <QString>

class QLineEdit;

namespace vidora {

// The height of the search's grid, in twips, for m films found: 380 a film and 550 more, at most
// 7068; never scaled with the window.
double HauteurGrilleRecherche(int m);

class FrmRecherNom : public FenetreFilms {
    Q_OBJECT
  public:
    FrmRecherNom();
    // The search state: the search box shown with its text, the count of every film.
    void montrerRecherche();
    // Its resting state is the search.
    void lister() override;
    // Lists the films whose title holds the text typed in the search box.
    void rechercher();
    // "Autre Film": a new search, its box emptied.
    void autreFilm() override;

    QLineEdit* caseRecherche;
    // The search text in capitals.
    QString texteCherche;
};

} // namespace vidora
