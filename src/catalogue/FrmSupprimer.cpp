#include "catalogue/FrmSupprimer.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/GrillesFilms.h"
#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Images.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1200, QStringLiteral("MatriculeCD")),
        Colonne(QStringLiteral("TITRE DU FILM"), 5300, QStringLiteral("Nom")),
        Colonne(QStringLiteral("ETAT"), 700, QStringLiteral("Etat")),
        Colonne(QStringLiteral("CATEGORIE"), 1400, QStringLiteral("Categorie")),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 2400),
    };
    return c;
}
} // namespace

bool SupprimerFilm(qint64 cle) {
    Database& db = ctx().base();
    const QString nom = QStringLiteral("Nom");
    QString image;
    {
        auto t = db.ouvrirTable(QStringLiteral("CD"));
        if (!t->AllerA(cle)) return false;
        if (!t->EstNull(nom)) image = FichierImageFilm(t->Texte(nom));
        Transaction tr(db);
        t->Delete();
        env().pointDeControle("suppression-film");
        tr.valider();
    }
    // The picture goes only once the row is gone for good, and only when no film left shares it.
    if (image.isEmpty()) return true;
    auto t = db.ouvrirTable(QStringLiteral("CD"));
    for (; !t->EOF_(); t->MoveNext())
        if (!t->EstNull(nom) && FichierImageFilm(t->Texte(nom)) == image) return true;
    QFile::remove(image); // a missing file, or one that cannot go, leaves the deletion done
    return true;
}

FrmSupprimer::FrmSupprimer() : Form(QStringLiteral("FrmSupprimer"), QStringLiteral("Supprimer Film")) {
    Label1 = TitreListe(*this);
    MSFlexGrid1 = GrilleFilms(*this);
    Fiche = new FicheFilm(*this, 150, 1150, 11700, 6100);
    Combo4 = ChoixCategorie(*this, QStringLiteral("Categorie"));
    connect(Combo4, &QComboBox::activated, this, &FrmSupprimer::Combo4_Click);
    connect(MSFlexGrid1, &MSFlexGrid::Click, this, &FrmSupprimer::MSFlexGrid1_Click);
    ajouterEntree("Retour", "Retour", &FrmSupprimer::Retour_Click);
    ajouterEntree("Enregitre", "Supprimer", &FrmSupprimer::Enregitre_Click);
    ajouterEntree("Autre", "Autre Film", &FrmSupprimer::Autre_Click);
    ajouterEntree("Caztegori", "Autre Categorie", &FrmSupprimer::Caztegori_Click);
}

void FrmSupprimer::Form_Load() {
    MiseEnPlaceStandard(*this);
    RemplirCategories(Combo4);
    MSFlexGrid1->hide();
    Fiche->hide();
    menu(QStringLiteral("Enregitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmSupprimer::entreesFiche(bool fiche) {
    menu(QStringLiteral("Enregitre"))->setEnabled(fiche);
    menu(QStringLiteral("Autre"))->setEnabled(fiche);
}

void FrmSupprimer::Combo4_Click() {
    CategorieChoisie = Combo4->currentText();
    Combo4->hide();
    Lire();
}

void FrmSupprimer::Lire() {
    Mode = 3;
    Fiche->Image1->vider();
    Fiche->hide();
    entreesFiche(false);
    ListerCategorie(*MSFlexGrid1, colonnes(), CategorieChoisie);
}

void FrmSupprimer::MSFlexGrid1_Click() {
    if (Mode != 3) return;
    const FicheFilm::Clic clic = Fiche->OuvrirLigne(*MSFlexGrid1);
    if (clic == FicheFilm::Clic::SansFilm) return;
    menu(QStringLiteral("Caztegori"))->setEnabled(false);
    if (clic == FicheFilm::Clic::Introuvable) {
        env().message(QString::fromUtf8("Pas de Film d'enregisté"));
        return Lire();
    }
    Mode = 0;
    entreesFiche(true);
}

void FrmSupprimer::Enregitre_Click() {
    if (Mode != 0) return;
    try {
        if (!SupprimerFilm(Fiche->cle())) env().message(QString::fromUtf8("Pas de Film d'enregisté"));
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE FILM N'A PAS PU ETRE SUPPRIME :\n%1").arg(e.message()));
        return;
    } catch (const std::exception& e) {
        env().message(
            QStringLiteral("LE FILM N'A PAS PU ETRE SUPPRIME :\n%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    menu(QStringLiteral("Caztegori"))->setEnabled(true);
    Lire();
}

void FrmSupprimer::Autre_Click() {
    menu(QStringLiteral("Caztegori"))->setEnabled(true);
    Lire();
}

void FrmSupprimer::Caztegori_Click() {
    Combo4->show();
    MSFlexGrid1->hide();
}

void FrmSupprimer::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
