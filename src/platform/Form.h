#pragma once
// A window of the program: its controls sit at design positions given in twips (15 twips to a
// pixel), without layouts, registered in the window's own order so that the screen scaling can
// record and rescale them. Each window carries its own menu, which the frame shows while it is
// the active child. Every text box of a window follows the rule of RegleSaisie.h.

#include <QAction>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QActionGroup;
class QCloseEvent;
class QLabel;
class QMenu;

namespace vidora {

class Form;

// The frame that holds the child windows (the multi-document area).
class Cadre {
  public:
    virtual ~Cadre() = default;
    virtual double Height() const = 0; // twips
    virtual double Width() const = 0;  // twips
    virtual void accueillir(Form* f) = 0;
    virtual void retirer(Form* f) = 0;
    virtual void menuChange(Form* f) = 0;
};

Cadre* cadre();
void setCadre(Cadre* c);

// Twips geometry of any widget, kept exactly as set; the pixel geometry is derived from it.
namespace twips {
constexpr double parPixel = 15.0;
void setGeometrie(QWidget* w, double left, double top, double width, double height);
void setLeft(QWidget* w, double v);
void setTop(QWidget* w, double v);
void setWidth(QWidget* w, double v);
void setHeight(QWidget* w, double v);
double left(const QWidget* w);
double top(const QWidget* w);
double width(const QWidget* w);
double height(const QWidget* w);
double fontSize(const QWidget* w);
void setFontSize(QWidget* w, double points);
void setBold(QWidget* w, bool gras);
} // namespace twips

// Marks a dialog of the program as open (message box, question, file chooser) for as long as it
// waits for the operator. Meanwhile no window's menu entry or button runs and no window unloads:
// an assistive tool can still press them behind the dialog, and a window torn down there would be
// gone when the handler that opened the dialog goes on.
class DialogueOuvert {
  public:
    DialogueOuvert();
    ~DialogueOuvert();
    DialogueOuvert(const DialogueOuvert&) = delete;
    DialogueOuvert& operator=(const DialogueOuvert&) = delete;
    static bool enCours();
};

// A label with a border round it and its text centred, the windows' titles and notices.
QLabel* LabelEncadre(QWidget* parent, const QString& texte = QString());

class Form : public QWidget {
    Q_OBJECT
  public:
    explicit Form(const QString& nom, const QString& titre);
    ~Form() override;

    // Runs the window's load (set-up, fill, show), as the runtime does when a window is loaded.
    virtual void charger() {}

    // Unloads the window: it leaves the frame at once and is destroyed when control returns to
    // the message loop, so a handler may unload its own window.
    void decharger();
    bool estDecharge() const { return decharge_; }

    // Registers a control at its design place (twips), as a child of parent (this by default).
    template <class T> T* controle(T* w, double left, double top, double width, double height) {
        placerControle(w, left, top, width, height);
        return w;
    }
    // The same for a control the window keeps: its object name is the window's name for it, so
    // that tests and assistive tools find it by that name.
    template <class T>
    T* controle(T* w, const char* nom, double left, double top, double width, double height) {
        w->setObjectName(QString::fromLatin1(nom));
        return controle(w, left, top, width, height);
    }
    const QList<QWidget*>& controles() const { return controles_; }

    // The window's own place and size in twips.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);

    // Menu: top-level entries (a submenu, or an action of its own) and entries under a submenu.
    QMenu* ajouterMenu(const QString& nom, const QString& libelle);
    QAction* ajouterEntree(QMenu* sous, const QString& nom, const QString& libelle);
    QAction* ajouterEntree(const QString& nom, const QString& libelle);
    // A top-level entry whose choice runs a handler of the window.
    template <class W> QAction* ajouterEntree(const char* nom, const char* libelle, void (W::*handler)()) {
        QAction* a = ajouterEntree(QString::fromUtf8(nom), QString::fromUtf8(libelle));
        connect(a, &QAction::triggered, static_cast<W*>(this), handler);
        return a;
    }
    void ajouterSeparateur(QMenu* sous);
    // A menu entry by its name; a submenu is reached by its own action.
    QAction* menu(const QString& nom) const;
    const QList<QAction*>& barreMenu() const { return barre_; }

    // Usable flag of the window ("Enabled"); while it is down, no entry of its menu runs either.
    void setUtilisable(bool oui);
    // Showing or hiding a child window shows or hides its place in the frame too.
    void setVisible(bool visible) override;

  protected:
    void appliquerGeometrie();
    // A child window of the frame leaves only through its own entries ("Retour", "Annulé"...),
    // which give the main window back: a close from its title bar is refused.
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class DialogueOuvert;
    void placerControle(QWidget* w, double left, double top, double width, double height);
    QAction* nouvelleEntree(const QString& nom, const QString& libelle);
    // Entries available when the window is usable and no dialog is open, each as its own state says.
    void appliquerDisponibilite();
    void suspendre();
    void reprendre();

    QList<QWidget*> controles_;
    QList<QAction*> barre_;
    QMap<QString, QAction*> entrees_;
    double left_ = 0, top_ = 0, width_ = 12000, height_ = 9000;
    bool decharge_ = false;
    bool utilisable_ = true;
    bool dechargementDiffere_ = false;
    // Every entry of the menu, so that they are made unavailable together.
    QActionGroup* entreesFenetre_;
    QList<QPointer<QAbstractButton>> boutonsSuspendus_;
};

} // namespace vidora
