#include "shell/Ouverture.h"

#include "shell/FrmDepart.h"
#include "shell/MDIForm1.h"

namespace vidora {

FrmDepart* ChargerFrmDepart() {
    if (!MDIForm1::instance()) {
        auto* frame = new MDIForm1;
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->charger();
        return qobject_cast<FrmDepart*>(FenetrePrincipale());
    }
    return Charger<FrmDepart>();
}

Form* FenetrePrincipale() {
    MDIForm1* frame = MDIForm1::instance();
    if (!frame) return nullptr;
    for (Form* f : frame->fenetres())
        if (qobject_cast<FrmDepart*>(f)) return f;
    return nullptr;
}

void RendreLaMain(Form* fenetre) {
    if (Form* principale = FenetrePrincipale()) principale->setUtilisable(true);
    fenetre->decharger();
}

void RevenirAuDepart(Form* fenetre) {
    ChargerFrmDepart();
    fenetre->decharger();
}

void RevenirAuDepartConnecte(Form* fenetre) {
    RevenirAuDepart(fenetre);
    if (auto* d = qobject_cast<FrmDepart*>(FenetrePrincipale())) d->montrerConnexion();
}

} // namespace vidora
