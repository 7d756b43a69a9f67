#pragma once
// The frame window: fills the screen and holds the main window and every working window in a
// multi-document area; its menu bar shows the menu of the active child window.

#include "platform/Form.h"

#include <QMainWindow>

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

  private:
    void actualiserMenu();
    void appliquerGeometrie();

    QMdiArea* zone_;
    double left_ = 0, top_ = 0, width_ = 12000, height_ = 9000;
};

} // namespace vidora
