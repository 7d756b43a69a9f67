#pragma once
// Key rules shared by the text boxes of every window.

#include <QLineEdit>

namespace vidora {

// MajusculeFrappe: each character typed or pasted into the box is replaced by its upper case (an
// accented small letter gives its accented capital); digits, Backspace and Enter pass unchanged.
// Enter is reported through the box's returnPressed signal for the windows that act on it.
void MajusculeFrappe(QLineEdit* box);

// The box takes at most the width of the field it is saved into, so a save is never refused halfway.
void LimiterAuChamp(QLineEdit* box, int largeur);

// Shows a stored text exactly as stored. A text longer than the box's field (written by another
// tool) is shown whole, not cut: the box then takes that length until the next stored text.
void MontrerStocke(QLineEdit* box, const QString& texte);

} // namespace vidora
