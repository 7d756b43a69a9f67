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
    // The category state: the list of categories.
    void Lire();
    void MSFlexGrid2_Click();
    void Edition_Click();
    void Retour_Click();
    void Quiter_Click();

    MSFlexGrid* MSFlexGrid1; // the films of the category picked
    MSFlexGrid* MSFlexGrid2; // the categories
    QLabel* Label1;
    // The category picked.
    QString ChoixGrille;

  private:
    void afficherBase();
};

// The pairs of a label queue as they are printed: two lines per label; a last line without its
// partner (a file not written by the program) is no label.
QList<QStringList> PairesEtiquette(const QStringList& lignes);

} // namespace vidora
