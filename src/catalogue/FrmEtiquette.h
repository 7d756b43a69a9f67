#pragma once
// "Edition Etiquette": the shelf labels of the films of one category. Picking a category puts one
// label per film into the label queue, the file "Etiquette"; printing sends the queue to the printer
// and empties it once the job has gone through.

#include "platform/Form.h"

#include <QStringList>

class QLabel;

namespace vidora {

class MSFlexGrid;

class FrmEtiquette : public Form {
    Q_OBJECT
  public:
    FrmEtiquette();
    void charger() override;
    // The window's first state: the categories to pick from.
    void listerCategories();
    // Puts the labels of the films of the category clicked into the queue.
    void categorieChoisie();
    void imprimerEtiquettes();
    void revenir();
    void quitter();

    // The films of the category picked, one per label queued.
    MSFlexGrid* grilleFilms;
    MSFlexGrid* grilleCategories;
    // The count of labels queued, the database in use, or the printing notice.
    QLabel* bandeau;
    QString categorieEnCours;

  private:
    void afficherBase();
};

// The pairs of a label queue as they are printed: two lines per label; a last line without its
// partner (a file not written by the program) is no label.
QList<QStringList> PairesEtiquette(const QStringList& lignes);

} // namespace vidora
