#pragma once

#include <QApplication>

namespace vidora {

// The program's application object. A handler that lets an exception escape would take the
// whole program down with it: the message loop catches it here, tells the operator in French and
// goes on, the handler's own transaction having already put the data back as it was.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* cible, QEvent* evenement) override;
};

} // namespace vidora
