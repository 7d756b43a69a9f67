#pragma once
// What the tests of the film windows share: films written straight into CD, a look at a stored
// field or a grid column, the choice of a list entry as the operator makes it, and the exchange sort
// that the film list's own sort must match.

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QComboBox;

namespace vidora {
class MSFlexGrid;
struct LigneFilm;
} // namespace vidora

namespace vidora_test {

// A film row written into CD of the current database, with ordinary values for the fields not
// given; a field given an invalid QVariant stays Null. Returns the row's key.
qint64 ajouterFilm(const QString& ref, const QVariant& nom, const QMap<QString, QVariant>& autres = {});
// A field of the film of this key as text; "<absent>" when no film holds the key.
QString champFilm(qint64 cle, const char* champ);
// The texts of a grid column, from the first data row to the last (the empty row included).
QStringList colonneGrille(const vidora::MSFlexGrid* g, int c);
// Clicks the title cell of the row whose column 1 holds ref; false when no row does.
bool cliquerFilm(vidora::MSFlexGrid* g, const QString& ref);
// Opens the list and clicks the entry of that text, as the operator does; false when the list is
// out of use or holds no such entry.
bool choisirDansListe(QComboBox* c, const QString& texte);
// A picture file of one colour, in the application folder; its path.
QString unePhoto(const QString& dossier, const char* nom, Qt::GlobalColor couleur);
// The exchange sort by title, n x n comparisons: for i, for k > i, entries i and k exchanged when
// title i > title k, a missing title neither greater nor smaller than any other.
void TrierParEchange(QVector<vidora::LigneFilm>& films);

} // namespace vidora_test
