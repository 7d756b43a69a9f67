#include "common/Saisie.h"

#include <QEvent>
#include <QKeyEvent>

namespace vidora {

namespace {
class FiltreMajuscule : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (t.isEmpty() || !t.at(0).isPrint()) return false;
        const QString haut = t.toUpper();
        if (haut == t) return false;
        auto* box = qobject_cast<QLineEdit*>(o);
        if (!box) return false;
        box->insert(haut);
        return true;
    }
};
} // namespace

void MajusculeFrappe(QLineEdit* box) { box->installEventFilter(new FiltreMajuscule(box)); }

void LimiterAuChamp(QLineEdit* box, int largeur) { box->setMaxLength(largeur); }

} // namespace vidora
