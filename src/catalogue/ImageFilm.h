#pragma once
// A film's picture as the windows hold it before it is stored: shown stretched in its box, chosen
// through the picture dialog, and written as the film's picture file.

#include <QImage>
#include <QLabel>

namespace vidora {

// The picture box: the picture stretched to the box, kept whole so that it can be written later.
class BoiteImage : public QLabel {
    Q_OBJECT
  public:
    explicit BoiteImage(QWidget* parent = nullptr);

    void afficher(const QImage& image);
    void vider();
    // Shows the picture of a file (its format found from its content); false, and the box
    // unchanged, when the file is not a picture that can be read.
    bool charger(const QString& chemin);
    bool aUneImage() const { return !image_.isNull(); }
    const QImage& image() const { return image_; }

  private:
    QImage image_;
};

// The picture of a file, its format found from its content; a null picture when it cannot be read.
QImage LireImage(const QString& chemin);

enum class ChoixImage { Chargee, Annulee, PasUneImage };

// The picture dialog ("Image": *.bmp *.jpg *.gif *.wmf *.jpeg). A chosen picture is loaded into the
// box; a file that is not a readable picture leaves the box as it was and tells the operator so.
// The box is not touched on Annulee: the caller decides.
ChoixImage ChoisirImage(BoiteImage& boite);

// Writes the picture as the BMP file of the film whose stored title is given (FichierImageFilm),
// replacing any file of that name whole or not at all. Throws Refus, saying why and what was kept,
// when it cannot be written; the file in place is then left as it was.
void EcrireImageFilm(const QString& titreStocke, const QImage& image);

} // namespace vidora
