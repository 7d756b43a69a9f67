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
    // A tick: the bar moves on; the last one brings the main window.
    void avancer();

    QGroupBox* zonePresentation;
    QLabel* imageLogo;
    QLabel* libelleProduit;
    QLabel* libelleChargement;
    QLabel* valeurVersion;
    QLabel* libelleCopyright;
    QLabel* libelleSociete;
    QLabel* libelleAvertissement;
    QLabel* libellePied;
    QProgressBar* barreProgression;
    QTimer* minuterie;

  private:
    QPointer<Fond> fond_;
};

} // namespace vidora
