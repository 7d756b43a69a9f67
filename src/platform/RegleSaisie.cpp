#include "platform/RegleSaisie.h"

#include "platform/Environnement.h"
#include "platform/Windows1252.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace vidora {

namespace {

const char* const kPosee = "regleSaisiePosee";
const char* const kMajuscules = "regleSaisieMajuscules";

bool finDeLigne(char32_t c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

enum class Refus { Aucun, Caractere, Place };

// What a one-line box takes of an addition of the operator (admis), or why it takes none of it.
Refus examiner(const QLineEdit* box, const QString& ajout, QString& admis) {
    bool refus = false;
    admis = TexteAdmis(ajout, false, &refus);
    if (refus) return Refus::Caractere;
    if (box->property(kMajuscules).toBool()) admis = EnMajuscules(admis);
    const qsizetype libre = box->maxLength() - (box->text().size() - box->selectedText().size());
    return admis.size() > libre ? Refus::Place : Refus::Aucun;
}

void avertir(Refus r, const QLineEdit* box) {
    if (r == Refus::Caractere) env().message(AvisCaractereRefuse());
    if (r == Refus::Place) env().message(AvisTexteTropLong(box->maxLength()));
}

// A paste (or a drop) goes in whole or not at all.
void coller(QLineEdit* box, const QString& presse) {
    if (box->isReadOnly()) return;
    QString admis;
    const Refus r = examiner(box, presse, admis);
    if (r != Refus::Aucun) return avertir(r, box);
    box->insert(admis);
}

bool toutControle(const QString& t) {
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Takes the operator's additions to a one-line box before the box does. It sits on the box and,
// for an editable list, on the list too, which hands its keys to its box directly.
class FiltreSaisie : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        QLineEdit* box = qobject_cast<QLineEdit*>(o);
        if (!box)
            if (auto* liste = qobject_cast<QComboBox*>(o)) box = liste->lineEdit();
        if (!box) return false;
        switch (e->type()) {
        case QEvent::KeyPress:
            return touche(box, static_cast<QKeyEvent*>(e));
        case QEvent::InputMethod:
            return saisieComposee(o, box, static_cast<QInputMethodEvent*>(e));
        case QEvent::ContextMenu:
            if (o != box) return false;
            menuContextuel(box, static_cast<QContextMenuEvent*>(e));
            return true;
        case QEvent::MouseButtonRelease:
            // X11 pastes its selection with the middle button.
            if (o != box || static_cast<QMouseEvent*>(e)->button() != Qt::MiddleButton ||
                !QGuiApplication::clipboard()->supportsSelection())
                return false;
            coller(box, QGuiApplication::clipboard()->text(QClipboard::Selection));
            return true;
        case QEvent::Drop: {
            auto* d = static_cast<QDropEvent*>(e);
            // A move inside the box brings nothing new: the box does it.
            if (o != box || !d->mimeData()->hasText() || d->source() == box) return false;
            if (!box->isReadOnly()) {
                box->setCursorPosition(box->cursorPositionAt(d->position().toPoint()));
                box->deselect();
                coller(box, d->mimeData()->text());
            }
            d->acceptProposedAction();
            return true;
        }
        default:
            return false;
        }
    }

  private:
    static bool touche(QLineEdit* box, QKeyEvent* k) {
        if (k->matches(QKeySequence::Paste)) {
            coller(box, QGuiApplication::clipboard()->text());
            return true;
        }
        const QString t = k->text();
        if (t.isEmpty() || toutControle(t) || box->isReadOnly()) return false;
        // A shortcut (Ctrl+A) is no typed text; AltGr gives Ctrl+Alt on some systems.
        if ((k->modifiers() & Qt::ControlModifier) && !(k->modifiers() & Qt::AltModifier)) return false;
        QString admis;
        const Refus r = examiner(box, t, admis);
        if (r == Refus::Caractere) {
            avertir(r, box);
            return true;
        }
        // A full box takes no more keys, without a word, as any box does.
        if (r == Refus::Place || admis == t) return false;
        box->insert(admis);
        return true;
    }

    // Dead keys and compose sequences deliver their letters through the input method.
    static bool saisieComposee(QObject* cible, QLineEdit* box, QInputMethodEvent* im) {
        const QString t = im->commitString();
        if (t.isEmpty() || box->isReadOnly()) return false;
        QString admis;
        const Refus r = examiner(box, t, admis);
        if (r != Refus::Aucun) {
            avertir(r, box);
            QInputMethodEvent vide(im->preeditString(), im->attributes());
            QCoreApplication::sendEvent(cible, &vide);
            return true;
        }
        if (admis == t) return false;
        QInputMethodEvent copie(im->preeditString(), im->attributes());
        copie.setCommitString(admis, im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(cible, &copie);
        return true;
    }

    static void menuContextuel(QLineEdit* box, QContextMenuEvent* e) {
        QMenu* m = box->createStandardContextMenu();
        m->setAttribute(Qt::WA_DeleteOnClose);
        if (auto* a = m->findChild<QAction*>(QStringLiteral("edit-paste"))) {
            a->disconnect();
            QPointer<QLineEdit> garde(box);
            QObject::connect(a, &QAction::triggered, box, [garde] {
                if (garde) coller(garde, QGuiApplication::clipboard()->text());
            });
        }
        m->popup(e->globalPos());
    }
};

// The multi-line boxes: an addition of the operator that breaks the rule is taken out again as
// soon as the change is complete. A text that a window puts in the box (a template read from its
// file) is shown as it is.
class RegleMultiLigne : public QObject {
  public:
    explicit RegleMultiLigne(QPlainTextEdit* box) : QObject(box), doc_(box->document()) {
        connect(doc_, &QTextDocument::contentsChange, this, &RegleMultiLigne::noter);
        connect(doc_, &QTextDocument::contentsChanged, this, &RegleMultiLigne::nettoyer);
    }

  private:
    void noter(int depuis, int, int ajoutes) {
        // Undo is off while a window sets the whole text (setPlainText, clear).
        if (enCours_ || ajoutes <= 0 || !doc_->isUndoRedoEnabled()) return;
        debut_ = debut_ < 0 ? depuis : std::min(debut_, depuis);
        fin_ = std::max(fin_, depuis + ajoutes);
    }

    void nettoyer() {
        if (enCours_ || debut_ < 0) return;
        QTextCursor c(doc_);
        c.setPosition(std::min(debut_, doc_->characterCount() - 1));
        c.setPosition(std::min(fin_, doc_->characterCount() - 1), QTextCursor::KeepAnchor);
        debut_ = fin_ = -1;
        const QString ajoute = c.selectedText();
        bool refus = false;
        QString admis = TexteAdmis(ajoute, true, &refus);
        if (refus) admis.clear();
        if (admis.size() != ajoute.size()) {
            enCours_ = true;
            c.joinPreviousEditBlock();
            c.insertText(admis);
            c.endEditBlock();
            enCours_ = false;
        }
        if (refus) env().message(AvisCaractereRefuse());
    }

    QTextDocument* doc_;
    int debut_ = -1;
    int fin_ = -1;
    bool enCours_ = false;
};

// What an assistive tool reads of a one-line box and how it edits it. Qt's own interface sets the
// box's whole text, past every rule; here an edit is the operator's paste over the range it names:
// taken whole or refused whole with the same notice, in capitals where the box takes capitals,
// never into a box that is read-only or out of use.
class CaseAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
  public:
    explicit CaseAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        QString montre;
        // A password is told by its length only.
        if (t == QAccessible::Value)
            montre = box()->echoMode() == QLineEdit::NoEcho ? QString()
                     : box()->echoMode() == QLineEdit::Normal
                         ? box()->text()
                         : QString(box()->text().size(), QLatin1Char('*'));
        return montre.isEmpty() ? QAccessibleWidget::text(t) : montre;
    }

    void setText(QAccessible::Text t, const QString& texte) override {
        if (t != QAccessible::Value) return QAccessibleWidget::setText(t, texte);
        replaceText(0, characterCount(), texte);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = box()->isReadOnly();
        s.editable = !s.readOnly;
        s.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        s.selectableText = true;
        return s;
    }

    // Reading: what the box shows (nothing of a password).
    QString text(int debut, int fin) const override {
        return debut > fin ? QString() : lu().mid(debut, fin - debut);
    }
    int characterCount() const override { return int(box()->displayText().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int i, int* debut, int* fin) const override {
        *debut = *fin = 0;
        if (i != 0 || !box()->hasSelectedText()) return;
        *debut = box()->selectionStart();
        *fin = *debut + box()->selectionLength();
    }
    void addSelection(int debut, int fin) override { setSelection(0, debut, fin); }
    void removeSelection(int i) override {
        if (i == 0) box()->deselect();
    }
    void setSelection(int i, int debut, int fin) override {
        if (i == 0) box()->setSelection(debut, fin - debut);
    }
    QString attributes(int offset, int* debut, int* fin) const override {
        *debut = *fin = offset;
        return QString();
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int debut, int fin) override {
        box()->setCursorPosition(fin);
        box()->setCursorPosition(debut);
    }
    QRect characterRect(int offset) const override {
        // Measured from the cursor, which the box places with its own scrolling.
        const QString t = box()->displayText();
        if (offset < 0 || offset >= t.size()) return QRect();
        const QFontMetrics fm(box()->font());
        const QRect curseur = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = curseur.x() + fm.horizontalAdvance(t.left(offset)) -
                      fm.horizontalAdvance(t.left(box()->cursorPosition()));
        QRect r(x, curseur.y(), fm.horizontalAdvance(t.at(offset)), fm.height());
        r.moveTo(box()->mapToGlobal(r.topLeft()));
        return r;
    }

    // Editing.
    void deleteText(int debut, int fin) override { replaceText(debut, fin, QString()); }
    void insertText(int offset, const QString& texte) override { replaceText(offset, offset, texte); }
    void replaceText(int debut, int fin, const QString& texte) override {
        QLineEdit* b = box();
        if (b->isReadOnly() || !b->isEnabled()) return;
        const int n = int(b->text().size());
        debut = std::clamp(debut, 0, n);
        fin = std::clamp(fin, debut, n);
        if (fin > debut) {
            b->setSelection(debut, fin - debut);
        } else {
            b->deselect();
            b->setCursorPosition(debut);
        }
        if (!texte.isEmpty())
            coller(b, texte);
        else if (fin > debut)
            b->del();
    }

  private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(object()); }
    QString lu() const { return box()->echoMode() == QLineEdit::Normal ? box()->text() : QString(); }
};

QAccessibleInterface* fabriqueAccessible(const QString& classe, QObject* o) {
    auto* box = qobject_cast<QLineEdit*>(o);
    if (classe != QLatin1String("QLineEdit") || !box || !box->property(kPosee).toBool()) return nullptr;
    return new CaseAccessible(box);
}

// A box that an assistive tool already reached before it had the rule gets the rule's interface.
void interfaceDeLaRegle(QLineEdit* box) {
    static const bool fabrique = (QAccessible::installFactory(fabriqueAccessible), true);
    Q_UNUSED(fabrique);
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
    if (i && !dynamic_cast<CaseAccessible*>(i)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
        QAccessible::queryAccessibleInterface(box);
    }
}

bool aPoser(QObject* box) {
    if (box->property(kPosee).toBool()) return false;
    box->setProperty(kPosee, true);
    return true;
}

template <class T> QList<T*> avecLui(QWidget* w) {
    QList<T*> l = w->findChildren<T*>();
    if (auto* t = qobject_cast<T*>(w)) l.prepend(t);
    return l;
}

} // namespace

QString AvisCaractereRefuse() {
    return QStringLiteral(
        "CARACTERE REFUSE : seuls les caractères d'Europe occidentale (Windows-1252) sont admis.");
}

QString AvisTexteTropLong(int largeur) {
    return QStringLiteral("TEXTE REFUSE : cette case prend %1 caractères au plus.").arg(largeur);
}

QString TexteAdmis(const QString& texte, bool multiLigne, bool* refus) {
    QString admis;
    admis.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar ch = texte.at(i);
        const bool paire = ch.isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate();
        const char32_t c = paire ? QChar::surrogateToUcs4(ch, texte.at(i + 1)) : ch.unicode();
        if (paire) ++i;
        if (finDeLigne(c)) {
            if (multiLigne) admis += ch;
        } else if (QChar::category(c) == QChar::Other_Control) {
            // Dropped without a word: a pasted line end or tab is no character of the text.
        } else if (paire || CodeWindows1252(ch) < 0) {
            if (refus) *refus = true;
        } else {
            admis += ch;
        }
    }
    return admis;
}

QString EnMajuscules(const QString& texte) {
    QString haut = texte;
    for (QChar& c : haut)
        if (const QChar h = c.toUpper(); h != c && CodeWindows1252(h) >= 0) c = h;
    return haut;
}

void InstallerRegleSaisie(QWidget* w) {
    if (!w) return;
    for (QLineEdit* l : avecLui<QLineEdit>(w)) {
        // A spin box's own box keeps the spin box's rules.
        if (qobject_cast<QAbstractSpinBox*>(l->parentWidget())) continue;
        if (!aPoser(l)) continue;
        l->installEventFilter(new FiltreSaisie(l));
        interfaceDeLaRegle(l);
    }
    for (QComboBox* c : avecLui<QComboBox>(w))
        if (c->isEditable() && aPoser(c)) c->installEventFilter(new FiltreSaisie(c));
    for (QPlainTextEdit* p : avecLui<QPlainTextEdit>(w))
        if (aPoser(p)) new RegleMultiLigne(p);
}

void SaisieEnMajuscules(QLineEdit* box) {
    box->setProperty(kMajuscules, true);
    InstallerRegleSaisie(box);
}

} // namespace vidora
