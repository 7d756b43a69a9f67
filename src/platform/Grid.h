#pragma once
// The grid control (MSFlexGrid): every list the operator clicks in. A QTableView over a table
// model, driven through the operations the windows use: Rows, Cols, ColWidth (twips), Row, Col,
// CellAlignment, Text, the font size, Visible, the place in twips and the Click event.
//
// The model holds the texts of all cells in one block and, apart, the alignments that differ from
// left (1); nothing else is stored per cell. Row 0 is the fixed (heading) row and column 0 the
// fixed column: the delegate draws them on a grey (button-face) background, Qt's own header views
// being hidden. Column 0 is usually hidden (ColWidth 0) and may carry the key of each data row's
// record.

#include <QBrush>
#include <QList>
#include <QString>
#include <QTableView>
#include <QVector>

#include <optional>

class QEvent;

namespace vidora {

class ModeleGrille;

// How one cell looks, read from the grid: its text, its brushes and its flags.
struct CelluleGrille {
    QString texte;
    QBrush fond, encre;
    Qt::ItemFlags drapeaux;
    QString text() const { return texte; }
    QBrush background() const { return fond; }
    QBrush foreground() const { return encre; }
    Qt::ItemFlags flags() const { return drapeaux; }
};

class MSFlexGrid : public QTableView {
    Q_OBJECT
  public:
    // The stored design: 2 rows, 2 columns, one fixed row and one fixed column.
    explicit MSFlexGrid(QWidget* parent = nullptr);

    // The cells' face (its size is the window's TaillePolice) and the pixels of margin that a
    // cell leaves on each side of its text.
    static constexpr const char* FaceGrille = "Liberation Sans Narrow";
    static constexpr int MargeTexte = 1;

    // Row count, at least 1 (the fixed row). Setting it keeps the first rows with their text
    // and drops the rest, or adds empty rows at the end. The current row follows if dropped.
    void setRows(int rows);
    int Rows() const;
    // Column count, at least 1 (the fixed column): columns 0 to count - 1.
    void setCols(int cols);
    int Cols() const;

    // Width of a column in twips; 0 hides the column. The pixel width is round(twips / 15).
    // ColWidth returns the value last set (a never-set column: its pixel width x 15).
    void setColWidth(int col, int twips);
    int ColWidth(int col) const;

    // The current cell. An index outside the grid is refused and leaves the current cell as
    // it was (the control's error, which the callers ignore).
    void setRow(int row);
    int Row() const { return row_; }
    void setCol(int col);
    int Col() const { return col_; }

    // Alignment of the current cell's text: 1 left, 4 centred (the other flexAlign values 0
    // to 9 are accepted too). A cell never aligned reads 1.
    void setCellAlignment(int alignment);
    int CellAlignment() const;

    // Text of the current cell; empty for a cell never written.
    void setText(const QString& text);
    QString Text() const;
    // Text of any cell without moving the current cell; empty outside the grid.
    QString textAt(int row, int col) const;
    // The look of any cell; none outside the grid.
    std::optional<CelluleGrille> item(int row, int col) const;

    // Writes whole rows at once from the current row on, Cols() texts a row (column 0 first; a
    // short last row is completed with empty cells), every written cell left-aligned (1). Each
    // row written adds one row at the end of the grid and moves the current row down by one, as
    // Text, then Rows + 1 and Row + 1 row by row would: filled from the last row, the grid ends
    // with one empty row, current. A list with room for Row() + 1 more rows is taken as it is.
    void remplirLignes(QList<QString> textes);

    // Font size of every cell's text, in points.
    void setFontSize(double points);
    double FontSize() const;

    // Visible as set (QWidget::setVisible sets it): true unless hidden, whatever the window.
    bool Visible() const { return !isHidden(); }

    // Place and size in the window, in twips, read back exactly as set; stored as the dynamic
    // properties "twipsLeft", "twipsTop", "twipsWidth", "twipsHeight", the pixel geometry being
    // their rounded value / 15.
    void setTwips(double left, double top, double width, double height);
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;

    // What an operator's click on a cell does: the cell becomes current, then Click is raised.
    void cliquer(int row, int col);

  signals:
    // The operator clicked a cell; Row and Col already name it.
    void Click();

  protected:
    // A new font (ours or the window scaling's) gives the rows a height that fits its text.
    void changeEvent(QEvent* event) override;

  private:
    ModeleGrille* modele_;
    int row_ = 0;
    int col_ = 0;
    QVector<int> colTwips_; // -1 for a column whose width was never set
};

} // namespace vidora
