#pragma once
// A printer that records what the windows print, for the tests to check, and stages the faults of
// a real one (a job that cannot start, a failure in the middle of a job).

#include "platform/Imprimante.h"

#include <QColor>
#include <QList>
#include <QString>

#include <memory>

namespace vidora {

// One line as a recording printer received it; an empty line has an empty text.
struct LigneEnregistree {
    QString texte; // the line's first segment (its only one, but for imprimerColonnes())
    int colonne = 0;
    QString police;
    double taille = 0;
    QColor couleur;
    QList<MorceauLigne> suite; // the further segments of the same line, from imprimerColonnes()
    bool coupee = false;       // from imprimerLigneCoupee()
};

struct TravailEnregistre {
    QString nom;
    QList<QList<LigneEnregistree>> pages;  // every job has at least one page
    int colonnesPage = 0, rangeesPage = 0; // what ajusterPage() asked for
};

// What the recording printers made from one journal have printed. A test keeps the journal and
// gives it to each recorder it makes, since every job comes with a new printer.
struct JournalImpression {
    QList<TravailEnregistre> travaux; // the jobs ended by a successful terminer(), in order
    int abandons = 0;                 // jobs started and then failed or dropped before terminer()
    int demarrages = 0;               // calls to demarrer(), successful or not

    // Faults to stage: refuse to start, or fail at the line after the first echecApresLignes
    // (-1: never). They hit the job started with number travailEnEchec (0 for the first, counted
    // in demarrages), or every job when it is -1.
    bool echecDemarrage = false;
    int echecApresLignes = -1;
    int travailEnEchec = -1;

    // When set, finished jobs report a PDF file in this folder, as with no printer installed.
    QString dossierPdf;
};

class ImprimanteEnregistreuse : public Imprimante {
  public:
    explicit ImprimanteEnregistreuse(std::shared_ptr<JournalImpression> journal);
    ~ImprimanteEnregistreuse() override;
    ImprimanteEnregistreuse(const ImprimanteEnregistreuse&) = delete;
    ImprimanteEnregistreuse& operator=(const ImprimanteEnregistreuse&) = delete;

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

  private:
    void ajouter(const QList<MorceauLigne>& morceaux, bool coupee = false);

    std::shared_ptr<JournalImpression> journal_;
    TravailEnregistre travail_;
    QString police_ = QStringLiteral("Arial");
    double taille_ = 12;
    QColor couleur_ = Qt::black;
    int echecApresLignes_ = -1;
    int lignes_ = 0;
    QString fichier_;
    bool demarre_ = false;
    bool termine_ = false;
    bool erreur_ = false;
};

} // namespace vidora
