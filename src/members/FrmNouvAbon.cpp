#include "members/FrmNouvAbon.h"

#include "common/Contexte.h"
#include "common/Echec.h"
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

// From the name to the town the boxes write in capitals, and Enter moves on from the name to the
// postal code; the identifier and the date are the operator's to change.
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
    libelleTitre =
        controle(new QLabel(QStringLiteral("NOUVEL ABONNE"), this), "libelleTitre", 3000, 300, 6000, 600);
    libelleTitre->setAlignment(Qt::AlignCenter);
    QFont grand = libelleTitre->font();
    grand.setBold(true);
    grand.setPointSize(14);
    libelleTitre->setFont(grand);
    fiche = new FicheAbonne(*this, 1200, 1000, 9300, 6500, kModele);

    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmNouvAbon::revenir);
    QAction* enregist = ajouterEntree(QStringLiteral("Enregist"), QStringLiteral("Enregistrer"));
    connect(enregist, &QAction::triggered, this, &FrmNouvAbon::enregistrer);

    // Installed after the capitals rule so that it sees every key first.
    fiche->caseVille->installEventFilter(new FiltreVille(fiche->caseVille, enregist));
}

void FrmNouvAbon::charger() {
    MiseEnPlaceStandard(*this);
    preparerSaisie();
}

void FrmNouvAbon::preparerSaisie() {
    menu(QStringLiteral("Enregist"))->setEnabled(false);
    const QDate jour = env().aujourdhui();
    compteurAbonnes = -1;
    Tenter(QStringLiteral("LE COMPTEUR DES ABONNES NE PEUT ETRE LU"), [&] {
        auto t = ctx().base().ouvrirTable(schema::AbonChe::table);
        if (!t->Fin() && !t->EstNull(schema::AbonChe::MatriculeAbon))
            compteurAbonnes = std::max<qint64>(-1, t->Value(schema::AbonChe::MatriculeAbon).toLongLong());
    });
    fiche->Vider();
    if (compteurAbonnes >= 0)
        fiche->caseMatricule->setText(ComposerMatriculeAbon(QString::number(compteurAbonnes), jour));
    fiche->caseDate->setText(jour.toString(QStringLiteral("dd/MM/yyyy")));
    fiche->caseNom->setFocus();
}

void FrmNouvAbon::enregistrer() {
    if (!fiche->EntreesObligatoires()) return;
    const struct {
        QLineEdit* boite;
        const char* message;
    } obligatoires[] = {
        {fiche->caseMatricule, "LA REFERENCE EST OBLIGATOIRE"},
        {fiche->caseDate, "LA DATE D'ABONNEMENT EST OBLIGATOIRE"},
    };
    for (const auto& o : obligatoires) {
        // Without a usable counter the reference is empty: the counter is what must be mended.
        if (o.boite == fiche->caseMatricule && compteurAbonnes < 0) {
            env().message(QStringLiteral("LE COMPTEUR DES ABONNES (TABLE AbonChe) EST VIDE OU INUTILISABLE : "
                                         "AUCUN ABONNE N'A ETE ENREGISTRE"));
            return;
        }
        if (o.boite->text().trimmed().isEmpty()) {
            env().message(QString::fromUtf8(o.message));
            return;
        }
    }
    if (compteurAbonnes > kDernierCompteurAbonne) {
        env().message(QStringLiteral(
            "LE NOMBRE MAXIMUM D'ABONNES (99999) EST ATTEINT : AUCUN ABONNE N'A ETE ENREGISTRE"));
        return;
    }

    const bool enregistre = Tenter(QStringLiteral("L'ABONNE N'A PAS PU ETRE ENREGISTRE"), [&] {
        TablesFermees fermees;
        Transaction tr(ctx().base());
        Recordset& a = ctx().ouvrirTable(schema::Abonne::table);
        a.AddNew();
        fiche->Ecrire(a);
        for (int k = 1; k <= 3; ++k) {
            for (const schema::ChampsCasier& champ : schema::Abonne::TextesCasier)
                a.SetValue(champ(k), MarqueVide);
            a.SetValue(schema::Abonne::Averti(k), 0);
        }
        a.Update();

        env().pointDeControle("compteur-abonne");

        Recordset& c = ctx().ouvrirTable(schema::AbonChe::table);
        if (c.Fin())
            throw Refus(
                QStringLiteral("LE COMPTEUR DES ABONNES A DISPARU : AUCUN ABONNE N'A ETE ENREGISTRE"));
        c.Edit();
        c.SetValue(schema::AbonChe::MatriculeAbon, QString::number(compteurAbonnes + 1));
        c.Update();
        tr.valider();
    });
    if (!enregistre) return;
    preparerSaisie();
}

void FrmNouvAbon::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
