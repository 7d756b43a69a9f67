#pragma once
// How windows are loaded, opened from the main menu and given back.

#include "platform/Form.h"

namespace vidora {

// Loads a window as the runtime does: it joins the frame, then runs its load.
template <class T> T* Charger() {
    T* f = new T;
    if (Cadre* c = cadre()) c->accueillir(f);
    f->charger();
    return f;
}

// The main window still loaded, or nullptr. The windows it opens only put it out of use, give it
// back or unload it: they know it as a window.
Form* FenetrePrincipale();

// Opens over: the working window loads, then the main window goes out of use (unless the window
// could not work and left at once, giving it back).
template <class T> T* OuvrirParDessus() {
    Form* principale = FenetrePrincipale();
    T* f = Charger<T>();
    if (principale && !f->estDecharge()) principale->setUtilisable(false);
    return f;
}

// Replaces: the working window loads, then the main window is unloaded.
template <class T> T* Remplacer() {
    Form* principale = FenetrePrincipale();
    T* f = Charger<T>();
    if (principale) principale->decharger();
    return f;
}

// Leaving a window opened over the main window: the main window back into use, the window unloaded.
void RendreLaMain(Form* fenetre);
// Leaving a window that replaced the main window: the main window loaded afresh, the window unloaded.
void RevenirAuDepart(Form* fenetre);
// The same, the operator staying logged in on the database in use.
void RevenirAuDepartConnecte(Form* fenetre);

} // namespace vidora
