#pragma once
// The rule of every text box of the windows, typed and pasted alike: no control character (a
// multi-line box keeps its line breaks), no character that Windows-1252 cannot hold (the club's
// files and the database hold nothing else: such a character is refused with a notice, never
// replaced), and a box's width limit, counted in stored characters, never cuts one in two.
// Form installs it on each control it registers; a window does nothing for it.

#include <QString>

class QWidget;

namespace vidora {

// The notice shown when a typed or pasted character is refused.
QString AvisCaractereRefuse();

// What a box keeps of a text: control characters dropped (line breaks kept when multiLigne), and
// characters without a Windows-1252 code dropped, *refus then set to true.
QString TexteAdmis(const QString& texte, bool multiLigne, bool* refus = nullptr);

// Installs the rule on the box w and on every box inside w (an editable list's box included);
// a box that already has it is left as it is.
void InstallerRegleSaisie(QWidget* w);

} // namespace vidora
