#include "shell/MDIForm1.h"

#include "common/Contexte.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/FrmDepart.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <cmath>

namespace vidora {

namespace {
MDIForm1* gInstance = nullptr;
QString gRefusFermeture;
bool gRefusAffiche = false;
} // namespace

TravailEnCours::TravailEnCours(const QString& refus) : precedent_(gRefusFermeture) {
    gRefusFermeture = refus;
}

TravailEnCours::~TravailEnCours() {
    gRefusFermeture = precedent_;
}

MDIForm1* MDIForm1::instance() {
    return gInstance;
}

MDIForm1::MDIForm1() : zone_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("VIDORA"));
    zone_->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(zone_);
    connect(zone_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { actualiserMenu(); });
    gInstance = this;
    setCadre(this);
    env().parentDialogues = this;
}

MDIForm1::~MDIForm1() {
    if (gInstance == this) gInstance = nullptr;
    if (cadre() == this) setCadre(nullptr);
    if (env().parentDialogues == this) env().parentDialogues = nullptr;
    // Child windows go with the frame.
    for (QMdiSubWindow* sub : zone_->subWindowList())
        delete sub;
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (gRefusFermeture.isEmpty()) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    // Requests repeated while the notice is up add no other notice.
    if (gRefusAffiche) return;
    gRefusAffiche = true;
    env().message(gRefusFermeture);
    gRefusAffiche = false;
}

void MDIForm1::appliquerGeometrie() {
    const auto px = [](double t) { return int(std::lround(t / twips::parPixel)); };
    setGeometry(px(left_), px(top_), px(width_), px(height_));
}

void MDIForm1::charger() {
    height_ = 9000;
    width_ = 12000;
    InitialiserZoom();
    // The frame has no controls of its own: recording and rescaling them changes nothing.
    height_ = ctx().HauteurEcran;
    width_ = ctx().LargeurEcran;
    left_ = 0;
    top_ = 0;
    appliquerGeometrie();
    show();
    ChargerFrmDepart();
}

void MDIForm1::accueillir(Form* f) {
    // A title bar without buttons: each window has its own way out (see Form::closeEvent).
    QMdiSubWindow* sub =
        zone_->addSubWindow(f, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowTitle(f->windowTitle());
    connect(f, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
}

void MDIForm1::retirer(Form* f) {
    auto* sub = qobject_cast<QMdiSubWindow*>(f->parentWidget());
    if (!sub) return;
    zone_->removeSubWindow(sub);
    sub->hide();
    sub->deleteLater();
    // The window given back (the last one still loaded and usable) becomes the active one.
    const QList<QMdiSubWindow*> restes = zone_->subWindowList();
    for (auto it = restes.rbegin(); it != restes.rend(); ++it) {
        auto* autre = qobject_cast<Form*>((*it)->widget());
        if (autre && !autre->estDecharge() && autre->isEnabled()) {
            zone_->setActiveSubWindow(*it);
            break;
        }
    }
    actualiserMenu();
}

void MDIForm1::menuChange(Form*) {
    actualiserMenu();
}

QList<Form*> MDIForm1::fenetres() const {
    QList<Form*> res;
    for (QMdiSubWindow* sub : zone_->subWindowList())
        if (auto* f = qobject_cast<Form*>(sub->widget()); f && !f->estDecharge()) res.append(f);
    return res;
}

void MDIForm1::actualiserMenu() {
    QMenuBar* barre = menuBar();
    barre->clear();
    Form* active = nullptr;
    if (QMdiSubWindow* sub = zone_->activeSubWindow()) active = qobject_cast<Form*>(sub->widget());
    if (!active || active->estDecharge()) {
        const QList<Form*> f = fenetres();
        if (!f.isEmpty()) active = f.last();
    }
    if (!active) return;
    for (QAction* a : active->barreMenu())
        barre->addAction(a);
}

} // namespace vidora
