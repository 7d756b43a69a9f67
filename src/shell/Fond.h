#pragma once
// The full-screen background shown behind the splash while the program starts.

#include "platform/Form.h"

class QLabel;

namespace vidora {

class Fond : public Form {
    Q_OBJECT
  public:
    Fond();
    void charger() override;
    QLabel* imageFond;
};

} // namespace vidora
