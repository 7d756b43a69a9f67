#include "platform/RegleSaisie.h"

#include "platform/Environnement.h"
#include "platform/Windows1252.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace vidora {

namespace {

const char* const kPosee = "regleSaisiePosee";

bool finDeLigne(char32_t c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The one-line boxes: every change of the text goes through the validator, the paste included;
// a paste is also taken in hand first, so that the width counts only the characters kept.
class ValidateurSaisie : public QValidator {
  public:
    ValidateurSaisie(QLineEdit* box, const QValidator* precedent) : QValidator(box), precedent_(precedent) {}

    State validate(QString& texte, int& pos) const override {
        bool refus = false;
        const QString avant = TexteAdmis(texte.left(pos), false, &refus);
        const QString apres = TexteAdmis(texte.mid(pos), false, &refus);
        if (refus) refuse_ = avant + apres;
        if (avant.size() + apres.size() != texte.size()) {
            texte = avant + apres;
            pos = int(avant.size());
        }
        return precedent_ ? precedent_->validate(texte, pos) : Acceptable;
    }

    // The text that the last refusal left, until the box's next change.
    mutable QString refuse_;

  private:
    QPointer<const QValidator> precedent_;
};

void coller(QLineEdit* box, const QString& presse) {
    if (box->isReadOnly()) return;
    bool refus = false;
    QString t = TexteAdmis(presse, false, &refus);
    const qsizetype libre = box->maxLength() - (box->text().size() - box->selectedText().size());
    if (t.size() > libre) t.truncate(std::max<qsizetype>(0, libre));
    box->insert(t);
    if (refus) env().message(AvisCaractereRefuse());
}

class FiltreCollage : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* box = qobject_cast<QLineEdit*>(o);
        if (!box) return false;
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste)) {
            coller(box, QGuiApplication::clipboard()->text());
            return true;
        }
        if (e->type() == QEvent::ContextMenu) {
            QMenu* m = box->createStandardContextMenu();
            m->setAttribute(Qt::WA_DeleteOnClose);
            if (auto* a = m->findChild<QAction*>(QStringLiteral("edit-paste"))) {
                a->disconnect();
                QPointer<QLineEdit> garde(box);
                connect(a, &QAction::triggered, box, [garde] {
                    if (garde) coller(garde, QGuiApplication::clipboard()->text());
                });
            }
            m->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
            return true;
        }
        return false;
    }
};

void poserLigne(QLineEdit* box) {
    auto* v = new ValidateurSaisie(box, box->validator());
    box->setValidator(v);
    box->installEventFilter(new FiltreCollage(box));
    // The notice is for the operator's own changes only, not for a text a window puts in the box.
    QObject::connect(box, &QLineEdit::textEdited, v, [v](const QString& texte) {
        if (v->refuse_.isNull()) return;
        const bool avis = v->refuse_ == texte;
        v->refuse_ = QString();
        if (avis) env().message(AvisCaractereRefuse());
    });
    QObject::connect(box, &QLineEdit::textChanged, v, [v] { v->refuse_ = QString(); });
}

// The multi-line boxes: what the operator adds is cleaned as soon as the change is complete. A
// text that a window puts in the box (a template read from its file) is shown as it is.
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
        const QString admis = TexteAdmis(ajoute, true, &refus);
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

bool aPoser(QWidget* box) {
    if (box->property(kPosee).toBool()) return false;
    box->setProperty(kPosee, true);
    return true;
}

} // namespace

QString AvisCaractereRefuse() {
    return QStringLiteral(
        "CARACTERE REFUSE : seuls les caractères d'Europe occidentale (Windows-1252) sont admis.");
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

void InstallerRegleSaisie(QWidget* w) {
    if (!w) return;
    QList<QLineEdit*> lignes = w->findChildren<QLineEdit*>();
    if (auto* l = qobject_cast<QLineEdit*>(w)) lignes.prepend(l);
    for (QLineEdit* l : lignes) {
        // A spin box's own box keeps the spin box's rules.
        if (qobject_cast<QAbstractSpinBox*>(l->parentWidget())) continue;
        if (aPoser(l)) poserLigne(l);
    }
    QList<QPlainTextEdit*> pages = w->findChildren<QPlainTextEdit*>();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) pages.prepend(p);
    for (QPlainTextEdit* p : pages)
        if (aPoser(p)) new RegleMultiLigne(p);
}

} // namespace vidora
