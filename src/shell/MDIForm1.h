#pragma once
// The frame window: fills the screen and holds the main window and every working window in a
// multi-document area; its menu bar shows the menu of the active child window.

#include "platform/Form.h"

#include <QMainWindow>

class QCloseEvent;
class QMdiArea;
class QMdiSubWindow;

namespace vidora {

class FrmDepart;

class MDIForm1 : public QMainWindow, public Cadre {
    Q_OBJECT
  public:
    MDIForm1();
    ~MDIForm1() override;

    // Sizes and shows the frame, then loads the main window.
    void charger();

    double Height() const override { return height_; }
    double Width() const override { return width_; }
    double Left() const { return left_; }
    double Top() const { return top_; }
    void accueillir(Form* f) override;
    void retirer(Form* f) override;
    void menuChange(Form* f) override;

    // The child windows still loaded, in loading order.
    QList<Form*> fenetres() const;
    QMdiArea* zone() const { return zone_; }

    static MDIForm1* instance();

  protected:
    // Refused while a copy runs (TravailEnCours): the copy's window must outlive it.
    void closeEvent(QCloseEvent* event) override;

  private:
    void actualiserMenu();
    void appliquerGeometrie();

    QMdiArea* zone_;
    double left_ = 0, top_ = 0, width_ = 12000, height_ = 9000;
};

// While one lives, a copy runs that lets the message loop turn with the database closed (backup,
// restore): a request to close the frame is refused with `refus`, so that the copy ends whole and
// the window it reports to stays.
class TravailEnCours {
  public:
    explicit TravailEnCours(const QString& refus);
    ~TravailEnCours();
    TravailEnCours(const TravailEnCours&) = delete;
    TravailEnCours& operator=(const TravailEnCours&) = delete;

  private:
    QString precedent_;
};

} // namespace vidora
