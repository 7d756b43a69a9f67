#include "platform/Imprimante.h"

#include "platform/Database.h"
#include "platform/FichierEntier.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <utility>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace vidora {

namespace {

// The classic average character width: the lowercase letters and the space weighted by their
// frequency in text, measured on the glyphs. The width a font declares in its header is no use:
// Liberation Sans declares a third more than Arial, whose glyphs it copies exactly.
double largeurColonne(const QFontMetricsF& fm) {
    static constexpr int poids[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                      56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    double somme = 166 * fm.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        somme += poids[i] * fm.horizontalAdvance(QLatin1Char(char('a' + i)));
    return somme / 1000;
}

// Whether a PDF file is whole. Qt does not report a write that failed (a full disk), so the file
// is read back: it must begin as a PDF, and its last cross-reference table must stand where its
// trailer says, which a file cut short or missing a piece does not give.
bool pdfEntier(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly) || f.read(5) != "%PDF-") return false;
    const qint64 taille = f.size();
    if (!f.seek(std::max<qint64>(0, taille - 64))) return false;
    static const QRegularExpression fin(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch m = fin.match(QString::fromLatin1(f.read(64)));
    const qint64 xref = m.hasMatch() ? m.captured(1).toLongLong() : 0;
    return xref > 0 && xref < taille && f.seek(xref) && f.read(4) == "xref";
}

// Why a file stopped short: what the system answers to a few more writes at its end (a full disk,
// a size limit); empty when it takes them.
QString raisonFichierCoupe(const QString& chemin) {
    const int fd = open(QFile::encodeName(chemin).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return raisonSysteme(errno);
    const QByteArray essai(64 * 1024, '\0');
    int erreur = 0;
    for (int i = 0; i < 4 && !erreur; ++i)
        if (write(fd, essai.constData(), std::size_t(essai.size())) < 0 && errno != EINTR) erreur = errno;
    close(fd);
    return erreur ? raisonSysteme(erreur) : QString();
}

} // namespace

// --- ImprimanteQt -------------------------------------------------------------------------------

ImprimanteQt::ImprimanteQt(const QString& dossierPdf, Destination destination)
    : dossierPdf_(dossierPdf), destination_(destination), police_(QStringLiteral("Arial")) {
    police_.setPointSizeF(12);
}

// A job dropped before its end is cancelled, not sent half-made: the printer is asked to abort
// and a PDF file already begun is removed.
ImprimanteQt::~ImprimanteQt() {
    if (demarre_ && !termine_) abandonner();
}

void ImprimanteQt::abandonner() {
    termine_ = true;
    erreur_ = true;
    if (printer_ && painter_ && painter_->isActive()) printer_->abort();
    if (painter_ && painter_->isActive()) painter_->end();
    if (!travail_.isEmpty()) QFile::remove(travail_);
    travail_.clear();
    fichier_.clear();
}

bool ImprimanteQt::demarrer(const QString& nomDuTravail) {
    if (demarre_) {
        erreur_ = true;
        return false;
    }
    demarre_ = true;
    painter_ = std::make_unique<QPainter>();

    const auto miseEnPage = [&](QPrinter& printer) {
        printer.setDocName(nomDuTravail);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    };

    bool ouvert = false;
    if (destination_ == Destination::Automatique) {
        const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
        if (!defaut.isNull()) {
            printer_ = std::make_unique<QPrinter>(defaut, QPrinter::HighResolution);
            miseEnPage(*printer_);
            ouvert = painter_->begin(printer_.get());
            // A printer that refuses the job sends it to a PDF file instead: nothing is lost.
            if (!ouvert) printer_.reset();
        }
    }
    if (!ouvert && QDir().mkpath(dossierPdf_)) {
        const QDir dossier(dossierPdf_);
        const QString base = nomDeFichier(nomDuTravail) + QLatin1Char('-') +
                             QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
        int n = 1;
        do
            fichier_ = dossier.absoluteFilePath(base + QStringLiteral("-%1.pdf").arg(n++));
        while (QFileInfo::exists(fichier_));
        // Qt writes into a work file; the PDF takes its name only once it is whole.
        travail_ = ReserverFichierEntier(fichier_);
        if (!travail_.isEmpty()) {
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(travail_);
            miseEnPage(*printer_);
            ouvert = painter_->begin(printer_.get());
        }
        if (!ouvert) {
            printer_.reset();
            if (!travail_.isEmpty()) QFile::remove(travail_);
            travail_.clear();
            fichier_.clear();
        }
    }
    if (!ouvert) {
        erreur_ = true;
        return false;
    }
    painter_->setPen(couleur_);
    return true;
}

void ImprimanteQt::setPolice(const QString& nom, double taille) {
    police_ = QFont(nom);
    if (taille > 0) police_.setPointSizeF(taille);
}

void ImprimanteQt::setCouleur(const QColor& couleur) {
    couleur_ = couleur;
    if (painter_ && painter_->isActive()) painter_->setPen(couleur_);
}

void ImprimanteQt::imprimerLigne(const QString& texte, int colonne) {
    imprimerColonnes({MorceauLigne{colonne, texte}});
}

// Lines are laid out in device pixels from the top left corner of the area inside the margins.
void ImprimanteQt::imprimerColonnes(const QList<MorceauLigne>& morceaux) {
    if (!enCours()) return;
    const QFontMetricsF fm(police_, printer_.get());
    const double hauteur = fm.lineSpacing();
    const double largeur = largeurPage();
    const double colonne = largeurColonne(fm);

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    bool rangeePlacee = false;
    double finRangee = 0; // right end of what the current row holds
    for (const MorceauLigne& morceau : morceaux) {
        // A column beyond the paper still leaves its text a quarter of the line.
        const double x = std::min(std::max(morceau.colonne, 0) * colonne, largeur * 3 / 4);
        if (rangeePlacee && x < finRangee) {
            y_ += hauteur;
            rangeePlacee = false;
            finRangee = 0;
        }
        if (morceau.texte.isEmpty()) continue;

        QTextLayout layout(morceau.texte, police_, printer_.get());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine ligne = layout.createLine(); ligne.isValid(); ligne = layout.createLine()) {
            ligne.setLineWidth(largeur - x);
            ligne.setPosition(QPointF(0, 0));
        }
        layout.endLayout();

        for (int i = 0; i < layout.lineCount(); ++i) {
            if (i > 0) {
                y_ += hauteur;
                rangeePlacee = false;
            }
            if (!rangeePlacee && !placerRangee(hauteur)) return;
            rangeePlacee = true;
            const QTextLine ligne = layout.lineAt(i);
            ligne.draw(painter_.get(), QPointF(x, y_));
            finRangee = x + ligne.naturalTextWidth();
        }
    }
    y_ += hauteur;
}

void ImprimanteQt::imprimerLigneCoupee(const QString& texte, int colonne) {
    if (!enCours()) return;
    LigneCoupee& c = coupee_;
    if (!c.prete || c.colonne != colonne || c.echelle != echelle_ || c.texte != texte ||
        c.police != police_) {
        const QFontMetricsF fm(police_, printer_.get());
        c.hauteur = fm.lineSpacing();
        c.x = std::min(std::max(colonne, 0) * largeurColonne(fm), largeurPage() * 3 / 4);
        const double place = largeurPage() - c.x;
        // The longest beginning of the text that fits before the margin.
        qsizetype bas = 0, haut = texte.size();
        if (fm.horizontalAdvance(texte) > place) {
            haut = texte.size() - 1;
            while (bas < haut) {
                const qsizetype milieu = (bas + haut + 1) / 2;
                if (fm.horizontalAdvance(texte.left(milieu)) <= place)
                    bas = milieu;
                else
                    haut = milieu - 1;
            }
        }
        c.layout.reset();
        if (haut > 0) {
            c.layout = std::make_unique<QTextLayout>(texte.left(haut), police_, printer_.get());
            QTextOption option;
            option.setWrapMode(QTextOption::NoWrap);
            c.layout->setTextOption(option);
            c.layout->beginLayout();
            QTextLine ligne = c.layout->createLine();
            ligne.setPosition(QPointF(0, 0));
            c.layout->endLayout();
        }
        c.texte = texte;
        c.colonne = colonne;
        c.police = police_;
        c.echelle = echelle_;
        c.prete = true;
    }
    if (c.layout) {
        if (!placerRangee(c.hauteur)) return;
        c.layout->lineAt(0).draw(painter_.get(), QPointF(c.x, y_));
    }
    y_ += c.hauteur;
}

void ImprimanteQt::ajusterPage(int colonnes, int rangees) {
    if (!enCours()) return;
    const QFontMetricsF fm(police_, printer_.get());
    const double largeur = std::max(colonnes, 1) * largeurColonne(fm);
    // A little room to spare, so that the last row never falls just past the bottom.
    const double hauteur = (std::max(rangees, 1) + 0.25) * fm.lineSpacing();
    echelle_ = std::min({1.0, printer_->width() / largeur, printer_->height() / hauteur});
    painter_->resetTransform();
    painter_->scale(echelle_, echelle_);
}

double ImprimanteQt::largeurPage() const {
    return printer_->width() / echelle_;
}

double ImprimanteQt::hauteurPage() const {
    return printer_->height() / echelle_;
}

void ImprimanteQt::ligneVide() {
    if (!enCours()) return;
    // A blank line that falls off the page is the page break itself.
    y_ += QFontMetricsF(police_, printer_.get()).lineSpacing();
}

void ImprimanteQt::nouvellePage() {
    if (!enCours()) return;
    if (!printer_->newPage()) erreur_ = true;
    y_ = 0;
}

bool ImprimanteQt::terminer() {
    if (!demarre_ || termine_) {
        erreur_ = true;
        return false;
    }
    if (erreur_) {
        abandonner();
        return false;
    }
    termine_ = true;
    bool ok = true;
    if (painter_->isActive()) ok = painter_->end();
    if (printer_->printerState() == QPrinter::Error) ok = false;
    if (!travail_.isEmpty()) {
        ok = ok && installerPdf();
        if (!ok) QFile::remove(travail_);
        travail_.clear();
    }
    if (!ok) {
        erreur_ = true;
        fichier_.clear();
    }
    return ok;
}

bool ImprimanteQt::installerPdf() {
    if (!pdfEntier(travail_)) {
        raison_ = raisonFichierCoupe(travail_);
        if (raison_.isEmpty()) raison_ = QStringLiteral("le document PDF n'a pas été écrit en entier");
        return false;
    }
    if (const EcritureEchouee e = InstallerFichierEntier(travail_, fichier_)) {
        raison_ = e.raison;
        return false;
    }
    return true;
}

bool ImprimanteQt::enCours() {
    if (!demarre_ || termine_) erreur_ = true;
    return !erreur_;
}

// Room for a row of the given height: a row that does not fit goes to the top of a new page.
bool ImprimanteQt::placerRangee(double hauteur) {
    if (y_ > 0 && y_ + hauteur > hauteurPage()) {
        if (!printer_->newPage()) {
            erreur_ = true;
            return false;
        }
        y_ = 0;
    }
    return true;
}

std::unique_ptr<Imprimante> creerImprimanteSysteme(const QString& dossierPdf) {
    return std::make_unique<ImprimanteQt>(dossierPdf);
}

QString nomDeFichier(const QString& nomDuTravail) {
    QString nom = nomDuTravail.trimmed().left(80);
    for (QChar& c : nom)
        if (c < QLatin1Char(' ') || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    while (nom.startsWith(QLatin1Char('.')))
        nom.remove(0, 1); // no hidden file
    return nom.isEmpty() ? QStringLiteral("Document") : nom;
}

// --- SessionImpression --------------------------------------------------------------------------

void SessionImpression::noter(const Imprimante& imprimante) {
    const QString fichier = imprimante.fichierPdf();
    if (!fichier.isEmpty()) fichiers_.append(fichier);
}

QString SessionImpression::avisFichiers() const {
    QStringList dossiers;
    for (const QString& fichier : fichiers_) {
        const QString dossier = QDir::toNativeSeparators(QFileInfo(fichier).absolutePath());
        if (!dossiers.contains(dossier)) dossiers.append(dossier);
    }
    if (dossiers.isEmpty()) return {};
    return QStringLiteral("Aucune imprimante n'est installée : les documents ont été enregistrés en PDF "
                          "dans le dossier\n") +
           dossiers.join(QLatin1Char('\n'));
}

} // namespace vidora
