#pragma once
// "Nouveau Classement": every film is given a new shelf place, category by category in the order of
// Genre, from bay "A", row 1, number 1, so that the films of a category stand together. The whole
// pass is one transaction: it is done for every film or for none.

#include "common/Emplacement.h"
#include "platform/Form.h"

#include <QStringList>

#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace vidora {

class Database;
class MSFlexGrid;

class MAJ : public Form {
    Q_OBJECT
  public:
    MAJ();
    void charger() override;
    void lancerClassement();
    void revenir();

    QPushButton* boutonClasser;
    MSFlexGrid* grilleFilms;
    // Never shown: the categories, in the order of Genre, as the films are to be shelved.
    QListWidget* listeCategories;
    // The category whose films are being placed.
    QString categorieEnCours;

  private:
    // A film of a listed category as read in the one walk of CD: its key, the cells of its grid row
    // (its old place among them), and the place it is given.
    struct Film {
        qint64 cle = -1;
        QStringList cellules;
        Emplacement place;
    };
    // Shows the films of categorieEnCours (films[i] for each i of lesquels) with their old places and
    // gives each the place in hand, which then steps on; std::nullopt once the shelves are full.
    void placerCategorie(std::vector<Film>& films, const QVector<int>& lesquels,
                         std::optional<Emplacement>& place, const Classement& limites);
};

} // namespace vidora
