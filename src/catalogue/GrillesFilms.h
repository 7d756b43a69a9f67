#pragma once
// What the film windows' lists share: the columns of the film list, the title and count labels
// above a list, the category chooser and the list of one category's films.

#include <QString>
#include <QVector>

class QComboBox;
class QLabel;

namespace vidora {

class Form;
class MSFlexGrid;
struct ColonneGrille;

// The columns of the film list, which the searches by category and by title show too.
const QVector<ColonneGrille>& ColonnesListeFilms();

// The grid of a film window, from this design height down to the window's foot.
MSFlexGrid* GrilleFilms(Form& f, double top = 1150);
// "LISTE DES FILMS" above the list, bordered and centred.
QLabel* TitreListe(Form& f);
// The label of the count below the title, bordered and centred.
QLabel* CompteListe(Form& f);

// The category chooser: only an entry chosen from its list counts, and it shows its
// invitation until then. Its list is filled by RemplirCategories. It stands where the list
// stands: made after the list, it stays above it when both are shown.
QComboBox* ChoixCategorie(Form& f, const QString& invitation);
// Every Genre.NomGenre in table order.
void RemplirCategories(QComboBox* choix);

// Builds the grid from the films whose category is exactly this one (case and blanks count; a
// film without a category is never listed), in table order; returns how many it lists.
int ListerCategorie(MSFlexGrid& g, const QVector<ColonneGrille>& colonnes, const QString& categorie);

} // namespace vidora
