#pragma once
// Text printing for the reminder letters and the label sheets: lines of text placed at tab
// columns, page after page, one document per print job. Windows print through an Imprimante
// obtained from env().imprimante(), so that another printer can stand in for the real one.

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QPrinter;
class QTextLayout;

namespace vidora {

// A segment of a printed line: text that starts at a tab column.
struct MorceauLigne {
    int colonne = 0;
    QString texte;
};

// The printer of one print job: demarrer(), the lines, terminer(). Column n lies n average
// character widths of the current font right of the left margin, so column 0 is the margin.
// A job starts in "Arial" 12 points, black.
class Imprimante {
  public:
    virtual ~Imprimante() = default;

    // Starts the job; false when it cannot start (the printer is then in error).
    virtual bool demarrer(const QString& nomDuTravail) = 0;

    virtual void setPolice(const QString& nom, double taille) = 0;
    virtual void setCouleur(const QColor& couleur) = 0;

    // Prints text from a tab column, then goes to the next line.
    virtual void imprimerLigne(const QString& texte, int colonne = 0) = 0;
    // Prints one line made of several segments, left to right, each from its own column; a segment
    // whose column the line has already passed starts on the next line, at its column.
    virtual void imprimerColonnes(const QList<MorceauLigne>& morceaux) = 0;
    // Prints text from a tab column on one row: what does not fit before the right margin is cut
    // off instead of wrapped (a ruled line wider than the paper).
    virtual void imprimerLigneCoupee(const QString& texte, int colonne = 0) = 0;
    virtual void ligneVide() = 0;
    virtual void nouvellePage() = 0;
    // Makes each page hold at least `colonnes` tab columns and `rangees` rows of the current font:
    // when the paper is too small for them, the pages are printed smaller, their layout unchanged.
    // To call once the font is set, before the first line.
    virtual void ajusterPage(int colonnes, int rangees) = 0;

    // Ends the document and sends the job; false when the job failed, which is then cancelled.
    virtual bool terminer() = 0;
    // True once something went wrong: what follows is not printed and terminer() fails.
    virtual bool enErreur() const = 0;

    // The PDF file the job was written to; empty when a printer received it.
    virtual QString fichierPdf() const { return {}; }
    // Why the job failed, in French words for a message ("le disque est plein"); empty when not known.
    virtual QString raison() const { return {}; }
};

// Prints with Qt on the system's default printer or, when none is set up, into a PDF file of its
// own in a folder. A full page goes on to a new one. A text too wide for the paper wraps at word
// boundaries onto the following lines, which start at the same column, so nothing is cut off.
class ImprimanteQt : public Imprimante {
  public:
    enum class Destination {
        Automatique, // the default printer when there is one, else a PDF file
        Pdf,         // always a PDF file
    };

    explicit ImprimanteQt(const QString& dossierPdf, Destination destination = Destination::Automatique);
    // A job still running is cancelled (see abandonner()).
    ~ImprimanteQt() override;
    ImprimanteQt(const ImprimanteQt&) = delete;
    ImprimanteQt& operator=(const ImprimanteQt&) = delete;

    bool demarrer(const QString& nomDuTravail) override;
    void setPolice(const QString& nom, double taille) override;
    void setCouleur(const QColor& couleur) override;
    void imprimerLigne(const QString& texte, int colonne = 0) override;
    void imprimerColonnes(const QList<MorceauLigne>& morceaux) override;
    void imprimerLigneCoupee(const QString& texte, int colonne = 0) override;
    void ligneVide() override;
    void nouvellePage() override;
    void ajusterPage(int colonnes, int rangees) override;
    bool terminer() override;
    bool enErreur() const override { return erreur_; }
    QString fichierPdf() const override { return fichier_; }
    QString raison() const override { return raison_; }

  private:
    // The page inside the margins, in the units the lines are laid out in.
    double largeurPage() const;
    double hauteurPage() const;
    void abandonner();
    bool enCours();
    bool placerRangee(double hauteur);
    // Puts the PDF written into its work file in place, once it is found whole.
    bool installerPdf();

    QString dossierPdf_;
    Destination destination_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString fichier_; // the PDF file of the job, once it is in place
    QString travail_; // the work file Qt writes the PDF into, until then
    QString raison_;
    QFont police_;
    QColor couleur_ = Qt::black;
    double y_ = 0; // top of the next row, in device pixels from the top margin
    // The last line cut at the margin, measured and laid out once: a label sheet prints the same
    // ruled line after every label. Good while the text, column, font and scale stay the same.
    struct LigneCoupee {
        bool prete = false;
        QString texte;
        int colonne = 0;
        QFont police;
        double echelle = 0;
        double x = 0, hauteur = 0;
        std::unique_ptr<QTextLayout> layout; // null when nothing of the text fits
    } coupee_;
    double echelle_ = 1; // device pixels per layout unit (below 1 when pages are printed smaller)
    bool demarre_ = false;
    bool termine_ = false;
    bool erreur_ = false;
};

// The printer for env().imprimante(): an ImprimanteQt that writes into dossierPdf (created when
// needed) when no default printer is set up.
std::unique_ptr<Imprimante> creerImprimanteSysteme(const QString& dossierPdf);

// A job's name made fit for a file name on any system: the name of its PDF file.
QString nomDeFichier(const QString& nomDuTravail);

// One printing made of several jobs (a reminder pass, a label sheet). It remembers the jobs that
// went to PDF files so that the operator is told once, at the end, where to find them.
class SessionImpression {
  public:
    // To call for each job of the printing once it has ended.
    void noter(const Imprimante& imprimante);
    // The notice to show when the printing is over; empty when every job reached a printer.
    QString avisFichiers() const;

  private:
    QStringList fichiers_;
};

} // namespace vidora
