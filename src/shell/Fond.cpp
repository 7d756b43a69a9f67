#include "shell/Fond.h"

#include "common/Contexte.h"
#include "common/Zoom.h"

#include <QLabel>
#include <QPixmap>

namespace vidora {

Fond::Fond() : Form(QStringLiteral("Fond"), QStringLiteral("VIDORA")) {
    setWindowFlags(Qt::FramelessWindowHint);
    imageFond = controle(new QLabel(this), "imageFond", 0, 0, 12000, 9000);
    imageFond->setScaledContents(true);
    imageFond->setPixmap(QPixmap(QStringLiteral(":/assets/fond.jpg")));
}

void Fond::charger() {
    setHeight(9000);
    setWidth(12000);
    setLeft(0);
    setTop(0);
    InitialiserZoom();
    MemoriserControles(*this);
    setHeight(ctx().HauteurEcran - 10);
    setWidth(ctx().LargeurEcran - 10);
    ZoomerControles(*this);
    twips::setGeometrie(imageFond, 0, 0, Width(), Height());
    show();
}

} // namespace vidora
