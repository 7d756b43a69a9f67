#pragma once
// The reminder letter of one late loan slot: the club's sender block, the member's address, the
// town and date line, the body of a template with the film's title in place of "<<LIVRE>>", the
// club line. One letter is one print job; the slot's reminder level is written only once the
// letter has been printed whole.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace vidora {

class Recordset;
class SessionImpression;

// The marker of the title in a template line (upper case only).
inline const QString MarqueLivre = QStringLiteral("<<LIVRE>>");

// The longest line a template may hold. One longer line stalls the editor at every key (200,000
// characters: seconds) and the letter as long to lay out, where a megabyte of ordinary lines
// loads and prints at once.
constexpr qsizetype LongueurMaxLigneModele = 16 * 1024;
// Whether one of a template's lines is longer than that.
bool LigneTropLongue(const QStringList& lignes);

// The template of a letter kind (1 to 6): "Rappel.let" for odd kinds, "Recommande.let" for even.
QString ModeleDuType(int typeLettre);
// The loan slot (1 to 3) a letter kind concerns.
int CaseDuType(int typeLettre);

// A file of the application folder found whatever the letter case of its name (the exact name
// first); empty when there is none.
QString FichierDuDossier(const QString& nom);

// A template line with its first marker replaced by the title; a later marker stays as it is.
QString RemplacerMarque(const QString& ligne, const QString& titre);

// "05 janvier 2027": the day in two digits, the month's French name, the year in four digits.
QString DateEnLettres(const QDate& date);

// A due date "dd/mm/yyyy" (blanks around allowed) that names a real day; std::nullopt otherwise.
std::optional<QDate> LireEcheance(const QString& texte);

// The column (counted from 0 at the margin) of the letter's tab n (counted from 1 at the margin).
constexpr int ColonneTab(int tab) {
    return tab - 1;
}

enum class IssueLettre {
    Imprimee,        // printed whole, the level written
    ModeleAbsent,    // the template file is missing: nothing printed, no level written
    ModeleTropGrand, // a template line is above LongueurMaxLigneModele: nothing printed, no level written
    Echec,           // the job could not start or failed on the way: no level written
    NiveauPerdu,     // printed whole, but the level could not be written
};

// Prints the letter of kind typeLettre for the member on which abonne (table Abonne) stands and
// records it in the slot's level. The recordset stays on the same row. Every finished job is
// noted in session.
IssueLettre EcrireLettre(Recordset& abonne, int typeLettre, SessionImpression& session);

} // namespace vidora
