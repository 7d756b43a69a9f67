#pragma once
// Screen scaling: every window is designed for 12000 x 9000 twips (800 x 600 pixels); the screen
// is measured once and each window rescales its controls from their design values as it loads.

namespace vidora {

class Form;

// [x]: the integer nearest to x, a half going to the even neighbour.
int Arrondi(double x);

// What InitialiserZoom computes from a screen size in twips, kept apart so it can be checked alone.
struct Echelle {
    int HauteurEcran = 0;
    int LargeurEcran = 0;
    int PourcentZoom = 0;
    int TaillePolice = 0;
};
Echelle CalculerEchelle(double hauteurTwips, double largeurTwips);

// Measures the screen (through the environment) into the application context.
void InitialiserZoom();
// Records the design place, size and font size of each control of the window, in its order.
void MemoriserControles(Form& f);
// Rescales each control of the window from the record.
void ZoomerControles(Form& f);
// The standard window set-up that every child window of the frame begins its load with.
void MiseEnPlaceStandard(Form& f, bool afficher = true);

} // namespace vidora
