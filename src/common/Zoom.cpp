#include "common/Zoom.h"

#include "common/Contexte.h"
#include "platform/Environnement.h"
#include "platform/Form.h"

#include <QVector>

#include <cmath>

namespace vidora {

namespace {
// The design place, size and font size of each control of the last window set up, in its order.
struct Releve {
    QVector<int> TabHaut, TabGauche, TabHauteur, TabLargeur, TabTaillePolice;
    int IndiceControle = 0;
};
Releve gReleve;
} // namespace

int Arrondi(double x) {
    return int(std::nearbyint(x));
} // default rounding mode: half to even

Echelle CalculerEchelle(double hauteurTwips, double largeurTwips) {
    Echelle e;
    e.HauteurEcran = Arrondi(hauteurTwips - 600);
    e.LargeurEcran = Arrondi(largeurTwips);
    // A screen that reports no width would divide by zero: take the design width instead.
    const double largeur = e.LargeurEcran > 0 ? e.LargeurEcran : 12000.0;
    const int t = Arrondi(12000.0 / largeur * 100 + 100);
    const int r = Arrondi(12000.0 / 100 * t);
    e.PourcentZoom = Arrondi(largeur / r * 100 + 30);
    e.TaillePolice = Arrondi(10.0 / 100 * e.PourcentZoom);
    return e;
}

void InitialiserZoom() {
    gReleve.IndiceControle = 0;
    const QSize ecran = env().tailleEcranTwips();
    const Echelle e = CalculerEchelle(ecran.height(), ecran.width());
    Contexte& c = ctx();
    c.HauteurEcran = e.HauteurEcran;
    c.LargeurEcran = e.LargeurEcran;
    c.PourcentZoom = e.PourcentZoom;
    c.TaillePolice = e.TaillePolice;
}

void MemoriserControles(Form& f) {
    Releve& r = gReleve;
    r = Releve{};
    for (QWidget* w : f.controles()) {
        r.TabHaut.append(Arrondi(twips::top(w)));
        r.TabGauche.append(Arrondi(twips::left(w)));
        r.TabHauteur.append(Arrondi(twips::height(w)));
        r.TabLargeur.append(Arrondi(twips::width(w)));
        r.TabTaillePolice.append(Arrondi(twips::fontSize(w)));
        ++r.IndiceControle;
    }
}

void ZoomerControles(Form& f) {
    const Contexte& c = ctx();
    const Releve& r = gReleve;
    int i = 0;
    for (QWidget* w : f.controles()) {
        if (i >= r.TabHaut.size()) break;
        twips::setGeometrie(w, r.TabGauche[i] / 100.0 * c.PourcentZoom,
                            r.TabHaut[i] / 9000.0 * c.HauteurEcran, r.TabLargeur[i] / 100.0 * c.PourcentZoom,
                            r.TabHauteur[i] / 9000.0 * c.HauteurEcran);
        twips::setFontSize(w, c.TaillePolice);
        twips::setBold(w, true);
        ++i;
    }
}

void MiseEnPlaceStandard(Form& f, bool afficher) {
    f.setHeight(9000);
    f.setWidth(12000);
    f.setLeft(0);
    f.setTop(0);
    if (Cadre* cd = cadre()) {
        f.setHeight(cd->Height() - 960);
        f.setWidth(cd->Width() - 300);
        f.setLeft(0);
        f.setTop(0);
    }
    MemoriserControles(f);
    ZoomerControles(f);
    if (afficher) f.show();
}

} // namespace vidora
