#pragma once
// The list grids of films and members, built the one same way from a table, and the look-up of a
// film by its title.

#include <QString>
#include <QVector>

#include <functional>

namespace vidora {

class MSFlexGrid;
class Recordset;

struct ColonneGrille {
    QString entete;
    int largeur = 0; // design width in twips, for a window 12000 twips wide
    // The cell's text read from the current row; a Null field gives an empty cell.
    std::function<QString(const Recordset&)> lire;
};

// A column that shows one field as text.
ColonneGrille Colonne(const QString& entete, int largeur, const QString& champ);
// The "CLASSEMENT" column: Traver " - " Rang " - " Numero, empty when any of them is Null.
ColonneGrille ColonnePlace(const QString& entete, int largeur);

struct OptionsGrille {
    bool masquerPendantRemplissage = true; // hidden while filled (most grids)
    bool policeTaillePolice = true;        // font size set again to TaillePolice
    bool colonneCle = true;                // column 0 hidden, for each row's key; else the first column
};

// Heading row, widths (design width / 100 x PourcentZoom, rounded half to even), column 0 hidden
// (unless o.colonneCle is false) and one empty data row: the grid as it stands before its rows are filled.
void PreparerEntetes(MSFlexGrid& g, const QVector<ColonneGrille>& colonnes, const OptionsGrille& o = {});
// The cells of one data row read from the current record. A Null field gives an empty cell; a field
// that cannot be read throws ErreurBase.
QStringList CellulesGrille(const QVector<ColonneGrille>& colonnes, const Recordset& r);
// Appends one data row before the final empty row; column 0 carries the record's key.
void AjouterLigneGrille(MSFlexGrid& g, const QStringList& cellules, const QString& cle);
// The same in a grid without a key column: the cells from column 0.
void AjouterLigneGrille(MSFlexGrid& g, const QStringList& cellules);

// Builds the grid from a table of the current database: one row per record that passes the filter,
// in table order, then one empty row. Column 0 of each row holds the record's key (its place in
// table order), so that a click acts on the very row clicked. A column whose field cannot be read
// stops the filling with ErreurBase, the rows read before it left in the grid.
void PreparerGrille(MSFlexGrid& g, const QVector<ColonneGrille>& colonnes, const QString& table,
                    const std::function<bool(const Recordset&)>& filtre = {}, const OptionsGrille& o = {});

// The key carried by the current row of a grid (column 0); -1 on the heading row or the empty row.
qint64 CleLigneCourante(const MSFlexGrid& g);

// Opens CD into TableOuverte and walks it from the first row: the first film whose title equals
// titre exactly (case and blanks count). Returns false when none does (TableOuverte then at its end).
bool ChercherFilmParTitre(const QString& titre);

} // namespace vidora
