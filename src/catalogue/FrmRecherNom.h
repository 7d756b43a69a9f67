#pragma once
// The search by title: the operator types a text, the window lists every film whose title holds
// it, and a click opens the film card (category, state and speciality in plain boxes), where the
// film is changed and saved with its picture.

#include "catalogue/FicheFilm.h"
#include "platform/Form.h"

#include <QString>

class QLabel;
class QLineEdit;

namespace vidora {

class MSFlexGrid;

// The height of the search's grid, in twips, for m films found: 380 a film and 550 more, at most
// 7068; never scaled with the window.
double HauteurGrilleRecherche(int m);

class FrmRecherNom : public Form {
    Q_OBJECT
  public:
    FrmRecherNom();
    void charger() override;
    // The search state: the search box shown with its text, the count of every film.
    void montrerRecherche();
    // Lists the films whose title holds the text typed in the search box.
    void rechercher();
    void ouvrirFilm();
    void enregistrer();
    void choisirAffiche();
    void nouvelleRecherche();
    void revenir();

    QLabel* bandeau;
    QLabel* bandeauCompte;
    QLineEdit* caseRecherche;
    MSFlexGrid* grilleFilms;
    FicheFilm* fiche;
    // The search text in capitals.
    QString texteCherche;
    ModeFilm mode = ModeFilm::Recherche;
};

} // namespace vidora
