#pragma once
// The rule of every text box of the windows, for what the operator types, pastes or drops, or an
// assistive tool sets through a one-line box's accessible interface: no control character (a
// multi-line box keeps its line breaks), no character that Windows-1252 cannot hold (the club's
// files and the database hold nothing else), and nothing beyond a box's width limit. An addition
// that breaks the rule is refused whole with a short notice, never cut or thinned out. What a
// window itself puts into a box (a stored text, a chosen path) is shown exactly as it is: the rule
// never touches it.
// Form installs it on each control it registers; a window does nothing for it.

#include <QString>

class QLineEdit;
class QWidget;

namespace vidora {

// The notice shown when a typed or pasted character is refused.
QString AvisCaractereRefuse();
// The notice shown when a pasted text does not fit the room left in its box.
QString AvisTexteTropLong(int largeur);

// What a box keeps of a text: control characters dropped (line breaks kept when multiLigne), and
// characters without a Windows-1252 code dropped, *refus then set to true.
QString TexteAdmis(const QString& texte, bool multiLigne, bool* refus = nullptr);

// The program's one upper-casing, that of the boxes: each letter in capitals where its capital is
// one Windows-1252 character ("ß" and "µ" stay). Windows store and look for titles through it, so
// what is stored is what the box showed.
QString EnMajuscules(const QString& texte);

// Installs the rule on the box w and on every box inside w (an editable list's box included);
// a box that already has it is left as it is.
void InstallerRegleSaisie(QWidget* w);

// The letters that the operator types, pastes or drops into this box become capitals.
void SaisieEnMajuscules(QLineEdit* box);

} // namespace vidora
