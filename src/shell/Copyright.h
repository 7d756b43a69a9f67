#pragma once
// The splash window: the product's name and version over the background, and a progress bar that
// fills in about fifteen seconds before the main window arrives.

#include "platform/Form.h"

#include <QPointer>

class QGroupBox;
class QLabel;
class QProgressBar;
class QTimer;

namespace vidora {

class Fond;

class Copyright : public Form {
    Q_OBJECT
  public:
    Copyright();
    void charger() override;
    void Timer1_Timer();

    QGroupBox* Frame1;
    QLabel* imgLogo;
    QLabel* lblProductName;
    QLabel* lblPlatform0;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QLabel* lblCopyright2;
    QLabel* lblWarning;
    QLabel* lblPlatform1;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;

  private:
    QPointer<Fond> fond_;
};

} // namespace vidora
