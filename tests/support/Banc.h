#pragma once
// The test bench: a throw-away application folder, a scripted environment (clock, answers to
// questions, chosen files, printer) and the frame, so that every window is driven headless as an
// operator drives it.

#include "ImprimanteEnregistreuse.h"
#include "platform/Environnement.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <stdexcept>

class QAction;
class QWidget;

namespace vidora {
class Form;
class MDIForm1;
class FrmDepart;
} // namespace vidora

namespace vidora_test {

struct Message {
    QString texte;
    QString titre;
    // For a question: whether it opened with No as its default button.
    bool nonParDefaut = false;
};

class EnvironnementTest : public vidora::Environnement {
  public:
    void message(const QString& texte, const QString& titre) override { messages.push_back({texte, titre}); }
    bool question(const QString& texte, const QString& titre, ParDefaut defaut) override;
    QDate aujourdhui() override { return date; }
    void terminer() override { ++terminaisons; }
    QString choisirFichier(const QString&, const QString&, const QString&) override;
    QString choisirDossier(const QString&, const QString&) override;
    bool ouvrirUrl(const QUrl& url) override {
        urls.push_back(url);
        return visionneuse;
    }
    QString dossierApplication() override { return dossier; }
    QSize tailleEcranTwips() override { return ecran; }
    std::unique_ptr<vidora::Imprimante> imprimante() override;
    void pointDeControle(const char* etape) override;

    QList<Message> messages;
    std::deque<Message> questions; // the questions asked, in order
    std::deque<bool> reponses;     // answers to the coming questions (No when none is left)
    std::deque<QString> fichiersChoisis;
    std::deque<QString> dossiersChoisis;
    QList<QUrl> urls;
    bool visionneuse = true; // whether the desktop has a viewer for the addresses opened
    QString dossier;
    QSize ecran{12000, 9000};
    QDate date{2026, 12, 8};
    int terminaisons = 0;
    QString panneA; // the step at which pointDeControle throws
    std::shared_ptr<vidora::JournalImpression> journal = std::make_shared<vidora::JournalImpression>();
    // Print jobs go to real PDF files in dossierImpressions instead of the journal.
    bool imprimerEnPdf = false;
};

// Thrown by a staged failure.
struct PanneInjectee : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Banc {
  public:
    Banc();
    ~Banc();
    Banc(const Banc&) = delete;
    Banc& operator=(const Banc&) = delete;

    EnvironnementTest& env() { return *env_; }
    // The texts of the messages shown since the last call, joined by "|".
    QString messages();
    QString dossier() const { return dir_.path(); }
    QString chemin(const QString& nom) const;

    // A new database with the ten tables and their default rows, in the application folder.
    QString creerBase(const QString& nomFichier = QStringLiteral("CLUB.MDB"));

    // Brings up the frame and the main window, as the end of the splash does.
    vidora::FrmDepart* demarrer();
    // Picks a database in the main window and types its password.
    vidora::FrmDepart* connecter(const QString& nomFichier = QStringLiteral("CLUB.MDB"),
                                 const QString& motDePasse = QStringLiteral("VIDORA"));
    vidora::MDIForm1* cadre() const;
    // The loaded window of this type, or nullptr.
    template <class T> T* fenetre() const {
        for (vidora::Form* f : fenetres())
            if (auto* t = qobject_cast<T*>(f)) return t;
        return nullptr;
    }
    QList<vidora::Form*> fenetres() const;

    // Lets unloaded windows be destroyed, as the message loop does after each handler.
    static void traiterEvenements();

  private:
    QTemporaryDir dir_;
    EnvironnementTest* env_;
};

// Chooses a menu entry as an operator does: only when the window and the entry (and every menu
// above it) are available. Returns false when the operator could not have chosen it.
bool choisirMenu(vidora::Form* f, const QString& nom);
bool entreeDisponible(vidora::Form* f, const QString& nom);
// The controls of a window that the operator cannot see whole: out of their window or frame, or
// whose caption is cut short ("hors de vue : name", "coupe : name").
QStringList controlesMalVus(vidora::Form* f);
// Types text into a box, key by key, then Enter when asked.
void taper(QWidget* box, const QString& texte, bool entree = false);
// Clicks a button, as the operator does (only when it is enabled).
void cliquer(QWidget* bouton);

} // namespace vidora_test
