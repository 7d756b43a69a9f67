#include "platform/Form.h"

#include "platform/RegleSaisie.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>

#include <cmath>
#include <utility>

namespace vidora {

namespace {
Cadre* gCadre = nullptr;
// The windows that exist, and how many dialogs are open one inside the other.
QList<Form*> gFenetres;
int gDialogues = 0;

int px(double t) {
    return int(std::lround(t / twips::parPixel));
}

double prop(const QWidget* w, const char* nom, double defaut) {
    const QVariant v = w->property(nom);
    return v.isValid() ? v.toDouble() : defaut;
}

void appliquer(QWidget* w) {
    w->setGeometry(px(twips::left(w)), px(twips::top(w)), std::max(0, px(twips::width(w))),
                   std::max(0, px(twips::height(w))));
}
} // namespace

QLabel* LabelEncadre(QWidget* parent, const QString& texte) {
    auto* l = new QLabel(texte, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    return l;
}

Cadre* cadre() {
    return gCadre;
}
void setCadre(Cadre* c) {
    gCadre = c;
}

namespace twips {
void setGeometrie(QWidget* w, double l, double t, double wd, double h) {
    w->setProperty("twipsLeft", l);
    w->setProperty("twipsTop", t);
    w->setProperty("twipsWidth", wd);
    w->setProperty("twipsHeight", h);
    appliquer(w);
}
void setLeft(QWidget* w, double v) {
    w->setProperty("twipsLeft", v);
    appliquer(w);
}
void setTop(QWidget* w, double v) {
    w->setProperty("twipsTop", v);
    appliquer(w);
}
void setWidth(QWidget* w, double v) {
    w->setProperty("twipsWidth", v);
    appliquer(w);
}
void setHeight(QWidget* w, double v) {
    w->setProperty("twipsHeight", v);
    appliquer(w);
}
double left(const QWidget* w) {
    return prop(w, "twipsLeft", w->x() * parPixel);
}
double top(const QWidget* w) {
    return prop(w, "twipsTop", w->y() * parPixel);
}
double width(const QWidget* w) {
    return prop(w, "twipsWidth", w->width() * parPixel);
}
double height(const QWidget* w) {
    return prop(w, "twipsHeight", w->height() * parPixel);
}
double fontSize(const QWidget* w) {
    return w->font().pointSizeF();
}
void setFontSize(QWidget* w, double points) {
    if (points <= 0) return;
    QFont f = w->font();
    f.setPointSizeF(points);
    w->setFont(f);
}
void setBold(QWidget* w, bool gras) {
    QFont f = w->font();
    f.setBold(gras);
    w->setFont(f);
}
} // namespace twips

DialogueOuvert::DialogueOuvert() {
    if (gDialogues++ > 0) return;
    for (Form* f : std::as_const(gFenetres))
        f->suspendre();
}

DialogueOuvert::~DialogueOuvert() {
    if (--gDialogues > 0) return;
    // A window may unload itself while the list is walked.
    const QList<Form*> fenetres = gFenetres;
    for (Form* f : fenetres)
        if (gFenetres.contains(f)) f->reprendre();
}

bool DialogueOuvert::enCours() {
    return gDialogues > 0;
}

Form::Form(const QString& nom, const QString& titre) : entreesFenetre_(new QActionGroup(this)) {
    setObjectName(nom);
    setWindowTitle(titre);
    setAttribute(Qt::WA_DeleteOnClose, false);
    entreesFenetre_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    gFenetres.append(this);
    appliquerDisponibilite();
}

Form::~Form() {
    gFenetres.removeOne(this);
    if (!decharge_ && gCadre) gCadre->retirer(this);
}

void Form::appliquerDisponibilite() {
    entreesFenetre_->setEnabled(utilisable_ && !DialogueOuvert::enCours());
}

void Form::suspendre() {
    appliquerDisponibilite();
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (!b->testAttribute(Qt::WA_ForceDisabled)) {
            b->setEnabled(false);
            boutonsSuspendus_.append(b);
        }
}

void Form::reprendre() {
    for (const QPointer<QAbstractButton>& b : std::as_const(boutonsSuspendus_))
        if (b) b->setEnabled(true);
    boutonsSuspendus_.clear();
    appliquerDisponibilite();
    if (dechargementDiffere_) decharger();
}

void Form::decharger() {
    if (decharge_) return;
    if (DialogueOuvert::enCours()) {
        dechargementDiffere_ = true;
        return;
    }
    decharge_ = true;
    hide();
    if (gCadre) gCadre->retirer(this);
    deleteLater();
}

void Form::placerControle(QWidget* w, double l, double t, double wd, double h) {
    if (!w->parentWidget()) w->setParent(this);
    twips::setGeometrie(w, l, t, wd, h);
    controles_.append(w);
    InstallerRegleSaisie(w);
}

void Form::appliquerGeometrie() {
    QWidget* cible = this;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) cible = sub;
    cible->setGeometry(px(left_), px(top_), std::max(1, px(width_)), std::max(1, px(height_)));
}

void Form::setLeft(double v) {
    left_ = v;
    appliquerGeometrie();
}
void Form::setTop(double v) {
    top_ = v;
    appliquerGeometrie();
}
void Form::setWidth(double v) {
    width_ = v;
    appliquerGeometrie();
}
void Form::setHeight(double v) {
    height_ = v;
    appliquerGeometrie();
}

QMenu* Form::ajouterMenu(const QString& nom, const QString& libelle) {
    auto* m = new QMenu(libelle, this);
    m->setObjectName(nom);
    m->menuAction()->setObjectName(nom);
    entreesFenetre_->addAction(m->menuAction());
    barre_.append(m->menuAction());
    entrees_.insert(nom.toLower(), m->menuAction());
    return m;
}

QAction* Form::nouvelleEntree(const QString& nom, const QString& libelle) {
    auto* a = new QAction(libelle, this);
    a->setObjectName(nom);
    entreesFenetre_->addAction(a);
    entrees_.insert(nom.toLower(), a);
    return a;
}

QAction* Form::ajouterEntree(QMenu* sous, const QString& nom, const QString& libelle) {
    QAction* a = nouvelleEntree(nom, libelle);
    sous->addAction(a);
    return a;
}

QAction* Form::ajouterEntree(const QString& nom, const QString& libelle) {
    QAction* a = nouvelleEntree(nom, libelle);
    barre_.append(a);
    return a;
}

void Form::ajouterSeparateur(QMenu* sous) {
    sous->addSeparator();
}

QAction* Form::menu(const QString& nom) const {
    return entrees_.value(nom.toLower(), nullptr);
}

void Form::setVisible(bool visible) {
    // A box made after its control was registered gets the rule before the operator can type in it.
    if (visible) InstallerRegleSaisie(this);
    QWidget::setVisible(visible);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setVisible(visible);
}

void Form::closeEvent(QCloseEvent* event) {
    if (!decharge_ && qobject_cast<QMdiSubWindow*>(parentWidget())) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Form::setUtilisable(bool oui) {
    utilisable_ = oui;
    appliquerDisponibilite();
    setEnabled(oui);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setEnabled(oui);
}

} // namespace vidora
