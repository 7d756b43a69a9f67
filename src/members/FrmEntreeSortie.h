#pragma once
// The lending window: every member in a grid; a click shows the member's card with its three
// loan slots, each offering "Retrait" (lend) while free and "Depos" (return) while it holds a film.

#include "platform/Form.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vidora {

class MSFlexGrid;

class FrmEntreeSortie : public Form {
    Q_OBJECT
  public:
    static constexpr int kCasiers = 3;

    FrmEntreeSortie();
    void charger() override;

    // The member list: the card hidden, the members grid filled afresh.
    void montrerListe();
    void listerAbonnes();
    // The card of the clicked member.
    void abonneChoisi();
    // The films with a copy on the shelf, for the lend into slot casierEnCours.
    void listerFilms();
    // The film picked for the lend.
    void filmChoisi();
    // "Retrait" and "Depos" of slot k (1 to 3).
    void preter(int k);
    void rendre(int k);
    // Back to the member list, and back to the main window.
    void revenir();
    void quitter();

    QLabel* libelleMatricule;
    QLabel* valeurMatricule;
    QGroupBox* zoneAbonne;
    QLabel *valeurNom, *valeurPrenom, *valeurDate;
    // Slot by slot (index 0 for slot 1): the film held, its loan day and its due day.
    QGroupBox* zoneFilms;
    std::array<QLabel*, kCasiers> valeurMatriculeFilm{}, valeurDateSortie{}, valeurRetourPrevu{};
    // Slot by slot: the film held, and the buttons that lend into the slot and take its film back.
    QGroupBox* zonePrets;
    std::array<QLabel*, kCasiers> valeurMatriculePret{}, valeurTitrePret{};
    std::array<QPushButton*, kCasiers> boutonPreter{}, boutonRendre{};
    MSFlexGrid* grilleFilms;
    MSFlexGrid* grilleAbonnes;

    // The identifier of the member whose card is shown, and the slot ("1" to "3") of the lend
    // or return under way.
    QString matriculeChoisi;
    QString casierEnCours;

  private:
    // Reads the member's row again and fills the card; false when the member is gone.
    bool remplirFiche();
    void montrerFiche();
    void enregistrerPret(qint64 cleFilm);
    void enregistrerRetour();

    // The clicked member's row: the card, the lend and the return act on that very row.
    qint64 cleAbonne_ = -1;
};

} // namespace vidora
