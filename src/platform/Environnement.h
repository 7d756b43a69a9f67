#pragma once
// The one seam between the windows and the outside world: message boxes, the clock, the end of
// the program, file and folder choosers, the browser and help viewer, the screen and the printer.
// Production code calls env(); tests install their own Environnement and drive every window
// headless without ever waiting on a real dialog.

#include <QDate>
#include <QSize>
#include <QString>
#include <QUrl>

#include <memory>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace vidora {

class Imprimante;

class Environnement {
  public:
    virtual ~Environnement() = default;

    // A message box with an OK button; the title is empty unless the caller gives one. While a box
    // or a chooser of the program is open, the windows behind it wait (see DialogueOuvert).
    virtual void message(const QString& texte, const QString& titre = QString());
    // A Yes / No question; true for Yes. A question whose Yes destroys or replaces data opens
    // with No as its default button, so that a stray Enter keeps the data.
    enum class ParDefaut { Oui, Non };
    virtual bool question(const QString& texte, const QString& titre = QString(),
                          ParDefaut defaut = ParDefaut::Oui);
    // The box that message (question false) and question show: wide enough for its whole title,
    // with the default button asked for.
    static std::unique_ptr<QMessageBox> boite(const QString& texte, const QString& titre, bool question,
                                              ParDefaut defaut, QWidget* parent);

    virtual QDate aujourdhui();

    // Ends the program at once (after the current handler returns to the event loop).
    virtual void terminer();

    // File and folder choosers; an empty text when the operator cancels.
    virtual QString choisirFichier(const QString& titre, const QString& dossier, const QString& filtre);
    virtual QString choisirDossier(const QString& titre, const QString& dossier);
    // The chooser that both show: Qt's own dialog, in French whatever the machine's locale (its
    // types and dates included), where a desktop's native one would follow the machine's language.
    static std::unique_ptr<QFileDialog> choix(const QString& titre, const QString& dossier,
                                              const QString& filtre, bool dossiers, QWidget* parent);

    // Opens an address (a web page or a local file) in the desktop's default viewer; false when
    // the desktop has none that could open it.
    virtual bool ouvrirUrl(const QUrl& url);

    // The application folder, where the databases and the club's files lie.
    virtual QString dossierApplication();

    // The screen size in twips (15 twips to a pixel at 96 dpi).
    virtual QSize tailleEcranTwips();

    // A new print job's printer; the caller owns it.
    virtual std::unique_ptr<Imprimante> imprimante();

    // A named step of a long write; tests make it throw to prove that a failure there loses nothing.
    virtual void pointDeControle(const char* etape);

    // Parent for dialogs: the frame window when there is one.
    QWidget* parentDialogues = nullptr;
    // Where print jobs go as PDF files when no printer is set up.
    QString dossierImpressions;
};

// The environment in force; a production one until a test installs its own.
Environnement& env();
// Installs an environment (takes ownership); nullptr restores the production one.
void installerEnvironnement(std::unique_ptr<Environnement> e);

} // namespace vidora
