#include "members/FrmNouvAbon.h"

#include "common/Contexte.h"
#include "common/Matricule.h"
#include "common/Refus.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "members/FicheAbonne.h"
#include "platform/Environnement.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace vidora {

namespace {

// Text2 to Text7 write in capitals; Enter moves on from Text2 to Text6; the identifier and the
// date are the operator's to change.
const ModeleFicheAbonne kModele = {
    {"Reference", "Nom", "Prenom", "Adresse1", "Adresse2", "Code Postal", "Ville", "Date Abonnement"},
    {},
    {false, true, true, true, true, true, true, false},
    {-1, 2, 3, 4, 5, 6, -1, -1},
    true,
};

// Every key the town box receives makes "Enregistrer" available, Enter and Backspace included.
class FiltreVille : public QObject {
  public:
    FiltreVille(QObject* parent, QAction* entree) : QObject(parent), entree_(entree) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) entree_->setEnabled(true);
        return false;
    }

  private:
    QAction* entree_;
};

} // namespace

FrmNouvAbon::FrmNouvAbon() : Form(QStringLiteral("FrmNouvAbon"), QStringLiteral("Nouvel Abonné")) {
    Label9 = controle(new QLabel(QStringLiteral("NOUVEL ABONNE"), this), 3000, 300, 6000, 600);
    Label9->setAlignment(Qt::AlignCenter);
    QFont grand = Label9->font();
    grand.setBold(true);
    grand.setPointSize(14);
    Label9->setFont(grand);
    Fiche = new FicheAbonne(*this, 1200, 1000, 9300, 6500, kModele);
    Text1 = Fiche->Text[0];
    Text2 = Fiche->Text[1];
    Text3 = Fiche->Text[2];
    Text4 = Fiche->Text[3];
    Text5 = Fiche->Text[4];
    Text6 = Fiche->Text[5];
    Text7 = Fiche->Text[6];
    Text8 = Fiche->Text[7];

    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmNouvAbon::Retour_Click);
    QAction* enregist = ajouterEntree(QStringLiteral("Enregist"), QStringLiteral("Enregistrer"));
    connect(enregist, &QAction::triggered, this, &FrmNouvAbon::Enregist_Click);

    // Installed after the capitals rule so that it sees every key first.
    Text7->installEventFilter(new FiltreVille(Text7, enregist));
}

void FrmNouvAbon::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmNouvAbon::Lire() {
    menu(QStringLiteral("Enregist"))->setEnabled(false);
    const QDate jour = env().aujourdhui();
    EntierTemp2 = -1;
    try {
        auto t = ctx().base().ouvrirTable(QStringLiteral("AbonChe"));
        if (!t->Fin() && !t->EstNull(QStringLiteral("MatriculeAbon")))
            EntierTemp2 = std::max<qint64>(-1, t->Value(QStringLiteral("MatriculeAbon")).toLongLong());
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE COMPTEUR DES ABONNES NE PEUT ETRE LU :\n%1").arg(e.message()));
    }
    Fiche->Vider();
    if (EntierTemp2 >= 0) Text1->setText(ComposerMatriculeAbon(QString::number(EntierTemp2), jour));
    Text8->setText(jour.toString(QStringLiteral("dd/MM/yyyy")));
    Text2->setFocus();
}

void FrmNouvAbon::Enregist_Click() {
    if (!Fiche->EntreesObligatoires()) return;
    const struct {
        QLineEdit* boite;
        const char* message;
    } obligatoires[] = {
        {Text1, "LA REFERENCE EST OBLIGATOIRE"},
        {Text8, "LA DATE D'ABONNEMENT EST OBLIGATOIRE"},
    };
    for (const auto& o : obligatoires) {
        // Without a usable counter the reference is empty: the counter is what must be mended.
        if (o.boite == Text1 && EntierTemp2 < 0) {
            env().message(QStringLiteral("LE COMPTEUR DES ABONNES (TABLE AbonChe) EST VIDE OU INUTILISABLE : "
                                         "AUCUN ABONNE N'A ETE ENREGISTRE"));
            return;
        }
        if (o.boite->text().trimmed().isEmpty()) {
            env().message(QString::fromUtf8(o.message));
            return;
        }
    }
    if (EntierTemp2 > kDernierCompteurAbonne) {
        env().message(QStringLiteral(
            "LE NOMBRE MAXIMUM D'ABONNES (99999) EST ATTEINT : AUCUN ABONNE N'A ETE ENREGISTRE"));
        return;
    }

    try {
        TablesFermees fermees;
        Transaction tr(ctx().base());
        Recordset& a = ctx().ouvrirTable(QStringLiteral("Abonne"));
        a.AddNew();
        Fiche->Ecrire(a);
        for (int k = 1; k <= 3; ++k) {
            for (const char* champ : {"DateRest", "DateEmp", "MatriCD", "NomCD"})
                a.SetValue(QString::fromLatin1(champ) + QString::number(k), MarqueVide);
            a.SetValue(QStringLiteral("Averti%1").arg(k), 0);
        }
        a.Update();

        env().pointDeControle("compteur-abonne");

        Recordset& c = ctx().ouvrirTable(QStringLiteral("AbonChe"));
        if (c.Fin())
            throw Refus(
                QStringLiteral("LE COMPTEUR DES ABONNES A DISPARU : AUCUN ABONNE N'A ETE ENREGISTRE"));
        c.Edit();
        c.SetValue(QStringLiteral("MatriculeAbon"), QString::number(EntierTemp2 + 1));
        c.Update();
        tr.valider();
    } catch (const Refus& r) {
        env().message(r.message());
        return;
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("L'ABONNE N'A PAS PU ETRE ENREGISTRE :\n%1").arg(e.message()));
        return;
    } catch (const std::exception& e) {
        env().message(
            QStringLiteral("L'ABONNE N'A PAS PU ETRE ENREGISTRE :\n%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    Lire();
}

void FrmNouvAbon::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
