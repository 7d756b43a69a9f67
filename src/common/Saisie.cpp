#include "common/Saisie.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace vidora {

namespace {
class FiltreMajuscule : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* box = qobject_cast<QLineEdit*>(o);
        if (!box) return false;
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            const QString t = k->text();
            if (t.isEmpty() || !t.at(0).isPrint()) return false;
            // A shortcut (Ctrl+V pastes) is no typed letter.
            if ((k->modifiers() & Qt::ControlModifier) && !(k->modifiers() & Qt::AltModifier)) return false;
            const QString haut = t.toUpper();
            if (haut == t) return false;
            box->insert(haut);
            return true;
        }
        // Dead keys and compose sequences deliver their letter through the input method, not as a key.
        if (e->type() == QEvent::InputMethod) {
            auto* im = static_cast<QInputMethodEvent*>(e);
            const QString haut = im->commitString().toUpper();
            if (haut == im->commitString()) return false;
            QInputMethodEvent copie(im->preeditString(), im->attributes());
            copie.setCommitString(haut, im->replacementStart(), im->replacementLength());
            QCoreApplication::sendEvent(box, &copie);
            return true;
        }
        return false;
    }
};
} // namespace

void MajusculeFrappe(QLineEdit* box) {
    box->installEventFilter(new FiltreMajuscule(box));
}

void LimiterAuChamp(QLineEdit* box, int largeur) {
    box->setMaxLength(largeur);
}

} // namespace vidora
