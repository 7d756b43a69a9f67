#pragma once
// Film entry: new films one after another, each with the next identifier and the next free shelf
// place, a title no other film holds, its category, state and speciality, its number of copies
// and an optional picture; the save also steps the place, advances the counter and queues the
// film's label. The film-information page can be shown inside the window.

#include "common/Emplacement.h"
#include "platform/Form.h"

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidora {

class BoiteImage;
class PageWeb;

class FrmSaisir : public Form {
    Q_OBJECT
  public:
    // The address of the film-information page.
    static const QString AdressePage;

    FrmSaisir();
    void charger() override;
    // Enter in the title box: a title already stored is shown, then cleared.
    void titreValide();
    void enregistrer();
    void autreFilm();
    void choisirAffiche();
    void ouvrirPage();
    void fermerPage();
    void revenir();
    // The date box gets today's date, whatever day the calendar shows.
    void inscrireDateDuJour();

    QLabel* bandeau;
    QLabel* libelleAideTitre;
    QLineEdit* caseMatricule;
    QLineEdit* caseTitre;
    QLineEdit* caseDate;
    // The place offered; typed over, it changes only the label's line.
    QLineEdit* caseTravee;
    QLineEdit* caseRang;
    QLineEdit* caseNumero;
    QLineEdit* caseExemplaires;
    // Hidden: "O" once a picture is chosen, "N" otherwise.
    QLineEdit* caseDrapeauImage;
    // Hidden: the address the page opens at.
    QLineEdit* caseAdressePage;
    QComboBox* listeCategories;
    QComboBox* listeEtats;
    QComboBox* listeSpecialites;
    BoiteImage* imageFilm;
    QPushButton* boutonOuvrirPage;
    QPushButton* boutonFermerPage;
    PageWeb* pageFilm;
    QCalendarWidget* calendrier;

    // The counter number of the film being prepared (the next save stores it, plus one).
    qint64 compteur() const { return compteur_; }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    // Prepares a film: the place in hand, the lists, the date, the identifier.
    void preparer();
    // The messages of a save that cannot go on; empty when it may.
    QString refusSaisie(const QString& titre) const;

    Emplacement placeEnMain_;
    qint64 compteur_ = 0;
    bool placeLue_ = false;
    bool compteurLu_ = false;
    // The film in hand is stored: its identifier and place are spent until "Autre Saisis".
    bool enregistre_ = false;
    QString refusPreparation_;
};

} // namespace vidora
