#pragma once
// What the member search and the member deletion windows share: every member in a grid; a click
// on a member hides the grid and shows the member's card; "Autre Abonne" brings the list back,
// "Retour" leaves. The card acts on the very row clicked (its key), never on another member of
// the same name. Each window says what its "Enregitre" entry does to that member.

#include "members/FicheAbonne.h"
#include "platform/Form.h"

class QLabel;

namespace vidora {

class MSFlexGrid;

class ListeAbonnes : public Form {
    Q_OBJECT
  public:
    void charger() override;
    // The list state: the card hidden, the grid built afresh.
    void montrerListe();
    // The card of the clicked member; a click on the heading or the empty row opens nothing.
    void abonneChoisi();
    // What the window's "Enregitre" entry does to the member shown.
    virtual void valider() = 0;
    // Back to the list for another member, and back to the main window.
    void autreAbonne();
    void revenir();

    QLabel* bandeau;
    MSFlexGrid* grilleAbonnes;
    FicheAbonne* fiche;

  protected:
    // The card's captions are the same in both windows and its identifier is shown only; each
    // window gives its own key rules (which boxes write in capitals, where Enter moves).
    ListeAbonnes(const QString& nom, const QString& titre, const QString& libelleEnregitre,
                 const std::array<bool, 8>& majuscules, const std::array<int, 8>& entreeVers);
    // The key of the member whose card is shown, -1 in the list state.
    qint64 cleAbonne() const { return cleAbonne_; }

  private:
    qint64 cleAbonne_ = -1;
};

} // namespace vidora
