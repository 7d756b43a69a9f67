#include "common/Grilles.h"

#include "common/Contexte.h"
#include "common/Emplacement.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Grid.h"

namespace vidora {

ColonneGrille Colonne(const QString& entete, int largeur, const QString& champ) {
    return {entete, largeur, [champ](const Recordset& r) { return r.Texte(champ); }};
}

ColonneGrille ColonnePlace(const QString& entete, int largeur) {
    return {entete, largeur, [](const Recordset& r) {
                if (r.EstNull(schema::CD::Traver) || r.EstNull(schema::CD::Rang) ||
                    r.EstNull(schema::CD::Numero))
                    return QString();
                return TexteEmplacement(r.Texte(schema::CD::Traver), r.Texte(schema::CD::Rang),
                                        r.Texte(schema::CD::Numero));
            }};
}

void PreparerEntetes(MSFlexGrid& g, const QVector<ColonneGrille>& colonnes, const OptionsGrille& o) {
    if (o.masquerPendantRemplissage) g.setVisible(false);
    g.setRows(2);
    // Old data rows are gone: the remaining data row is emptied too.
    g.setRow(1);
    for (int c = 0; c < g.Cols(); ++c) {
        g.setCol(c);
        g.setText(QString());
    }
    const int premiere = o.colonneCle ? 1 : 0;
    g.setCols(int(colonnes.size()) + premiere);
    if (o.policeTaillePolice) g.setFontSize(ctx().TaillePolice);
    if (o.colonneCle) g.setColWidth(0, 0);
    for (int c = 0; c < colonnes.size(); ++c)
        g.setColWidth(c + premiere, Arrondi(colonnes[c].largeur / 100.0 * ctx().PourcentZoom));
    g.setRow(0);
    for (int c = 0; c < colonnes.size(); ++c) {
        g.setCol(c + premiere);
        g.setCellAlignment(4);
        g.setText(colonnes[c].entete);
    }
    g.setRow(1);
}

void AjouterLigneGrille(MSFlexGrid& g, const QStringList& cellules, const QString& cle) {
    QList<QString> ligne;
    ligne.reserve(g.Cols());
    ligne << cle << cellules;
    g.remplirLignes(std::move(ligne));
}

void AjouterCellulesGrille(QList<QString>& cellules, const QVector<ColonneGrille>& colonnes,
                           const Recordset& r) {
    // A field that cannot be read (one its table does not hold) stops the row with the engine's
    // ErreurBase, which names it: an empty column would hide the fault.
    for (const ColonneGrille& col : colonnes)
        cellules << col.lire(r);
}

QStringList CellulesGrille(const QVector<ColonneGrille>& colonnes, const Recordset& r) {
    QStringList cellules;
    cellules.reserve(colonnes.size());
    AjouterCellulesGrille(cellules, colonnes, r);
    return cellules;
}

void AjouterLigneGrille(MSFlexGrid& g, const QStringList& cellules) {
    g.remplirLignes(cellules);
}

namespace {
// The texts of every row that passes the filter, row after row: its key, then its columns.
void lireLignes(Recordset& t, const QVector<ColonneGrille>& colonnes,
                const std::function<bool(const Recordset&)>& filtre, QList<QString>& cellules) {
    while (!t.Fin()) {
        if (!filtre || filtre(t)) {
            cellules << QString::number(t.Cle());
            AjouterCellulesGrille(cellules, colonnes, t);
        }
        t.MoveNext();
    }
}
} // namespace

void PreparerGrille(MSFlexGrid& g, const QVector<ColonneGrille>& colonnes, const QString& table,
                    const std::function<bool(const Recordset&)>& filtre, const OptionsGrille& o) {
    PreparerEntetes(g, colonnes, o);
    TablesFermees fermees;
    Recordset& t = ctx().ouvrirTable(table);
    // Every row read first, then given to the grid in one go.
    QList<QString> cellules;
    // Room for the heading row and the empty row too, so that the grid takes the list as it is.
    if (!filtre) cellules.reserve(qsizetype(t.RecordCount() + 2) * (colonnes.size() + 1));
    try {
        lireLignes(t, colonnes, filtre, cellules);
    } catch (...) {
        // A walk that stops short leaves in the grid the rows it read, as row by row filling did;
        // a row cut short by a field that cannot be read is not one of them.
        cellules.resize(cellules.size() - cellules.size() % (colonnes.size() + 1));
        g.remplirLignes(std::move(cellules));
        throw;
    }
    g.remplirLignes(std::move(cellules));
    g.setVisible(true);
}

qint64 CleLigneCourante(const MSFlexGrid& g) {
    if (g.Row() <= 0) return -1;
    bool ok = false;
    const qint64 cle = g.textAt(g.Row(), 0).toLongLong(&ok);
    return ok ? cle : -1;
}

bool ChercherFilmParTitre(const QString& titre) {
    Recordset& t = ctx().ouvrirTable(schema::CD::table);
    while (!t.Fin()) {
        // An empty title (the empty row after the last film) finds nothing.
        if (!titre.isEmpty() && t.Texte(schema::CD::Nom) == titre) return true;
        t.MoveNext();
    }
    return false;
}

} // namespace vidora
