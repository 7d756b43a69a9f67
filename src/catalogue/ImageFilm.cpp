#include "catalogue/ImageFilm.h"

#include "common/Images.h"
#include "common/Refus.h"
#include "common/TexteFichier.h"
#include "platform/Environnement.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace vidora {

BoiteImage::BoiteImage(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
    setFrameShape(QFrame::Box);
}

void BoiteImage::afficher(const QImage& image) {
    image_ = image;
    setPixmap(QPixmap::fromImage(image));
}

void BoiteImage::vider() {
    image_ = QImage();
    setPixmap(QPixmap());
}

bool BoiteImage::charger(const QString& chemin) {
    const QImage i = LireImage(chemin);
    if (i.isNull()) return false;
    afficher(i);
    return true;
}

QImage LireImage(const QString& chemin) {
    if (chemin.isEmpty()) return QImage();
    QImageReader lecteur(chemin);
    lecteur.setDecideFormatFromContent(true);
    return lecteur.read();
}

ChoixImage ChoisirImage(BoiteImage& boite) {
    const QString fichier = env().choisirFichier(QStringLiteral("Saisir Affiche"), QDir::homePath(),
                                                 QStringLiteral("Image (*.bmp *.jpg *.gif *.wmf *.jpeg)"));
    if (fichier.isEmpty()) return ChoixImage::Annulee;
    if (!boite.charger(fichier)) {
        env().message(QStringLiteral("CE FICHIER N'EST PAS UNE IMAGE LISIBLE :\n%1").arg(fichier));
        return ChoixImage::PasUneImage;
    }
    return ChoixImage::Chargee;
}

void EcrireImageFilm(const QString& titreStocke, const QImage& image) {
    const QString cible = FichierImageFilm(titreStocke);
    const QString refus =
        QStringLiteral("L'IMAGE DU FILM N'A PAS PU ETRE ENREGISTREE DANS LE DOSSIER \"Images\" :\n%1");
    if (image.isNull()) throw Refus(refus.arg(QStringLiteral("aucune image")));
    // Encoded whole in memory first: the file is then written by the one writer that checks every
    // write, so a full disk leaves the old picture as it was.
    QByteArray octets;
    QBuffer tampon(&octets);
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "BMP"))
        throw Refus(refus.arg(QStringLiteral("l'image ne peut pas être convertie")));
    QDir().mkpath(QFileInfo(cible).absolutePath());
    if (const EcritureEchouee e = EcrireFichierEntier(cible, octets))
        throw Refus(refus.arg(MessageEcritureEchouee(cible, e)));
}

} // namespace vidora
