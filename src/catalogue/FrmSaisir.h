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
    void Text2_KeyPress(); // Enter in the title box
    void Enresitre_Click();
    void Autre_Click();
    void SaiAffiche_Click();
    void Command1_Click();
    void Command2_Click();
    void Retour_Click();
    void MonthView1_DateClick();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label13;
    QLineEdit* Text1; // identifier
    QLineEdit* Text2; // title
    QLineEdit* Text3; // entry date
    QLineEdit* Text4; // bay
    QLineEdit* Text5; // row
    QLineEdit* Text6; // number
    QLineEdit* Text7; // copies
    QLineEdit* Text8; // hidden: DrapeauImage
    QLineEdit* Text9; // hidden: the page's address
    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    BoiteImage* Image1;
    QPushButton* Command1;
    QPushButton* Command2;
    PageWeb* WebBrowser1;
    QCalendarWidget* MonthView1;

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
