#pragma once
// Key rules shared by the text boxes of every window.

#include <QLineEdit>

namespace vidora {

// MajusculeFrappe: each character typed into the box is replaced by its upper case (an accented
// small letter gives its accented capital); digits, Backspace and Enter pass unchanged. Enter is
// reported through the box's returnPressed signal for the windows that act on it.
void MajusculeFrappe(QLineEdit* box);

// The box takes at most the width of the field it is saved into, so a save is never refused halfway.
void LimiterAuChamp(QLineEdit* box, int largeur);

} // namespace vidora
