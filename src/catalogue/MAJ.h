#pragma once
// "Nouveau Classement": every film is given a new shelf place, category by category in the order of
// Genre, from bay "A", row 1, number 1, so that the films of a category stand together. The whole
// pass is one transaction: it is done for every film or for none.

#include "common/Emplacement.h"
#include "platform/Form.h"

#include <optional>

class QListWidget;
class QPushButton;

namespace vidora {

class Database;
class MSFlexGrid;

class MAJ : public Form {
    Q_OBJECT
  public:
    MAJ();
    void Form_Load() override;
    void Command1_Click();
    void Retour_Click();

    QPushButton* Command1;
    MSFlexGrid* MSFlexGrid1;
    QListWidget* List1; // hidden: the categories, in the order of Genre
    QString CategorieChoisie;

  private:
    // Lists the films of CategorieChoisie with their old places, each given the place in hand, which
    // then steps on; std::nullopt once the shelves are full.
    void Lire(Database& db, std::optional<Emplacement>& place, const Classement& limites);
};

} // namespace vidora
