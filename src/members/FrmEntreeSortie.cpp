#include "members/FrmEntreeSortie.h"

#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Refus.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "members/GrilleAbonnes.h"
#include "members/Pret.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vidora {

namespace {

QString champ(const char* nom, int k) {
    return QString::fromLatin1(nom) + QString::number(k);
}

const QVector<ColonneGrille>& colonnesFilms() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, QStringLiteral("MatriculeCD")),
        Colonne(QStringLiteral("TITRE DU FILM"), 5800, QStringLiteral("Nom")),
        Colonne(QStringLiteral("CATEGORIE"), 1500, QStringLiteral("Categorie")),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 1400),
    };
    return c;
}

// The films grid stays shown while it is filled and does not set its font again.
OptionsGrille optionsGrilleFilms() {
    OptionsGrille o;
    o.masquerPendantRemplissage = false;
    o.policeTaillePolice = false;
    return o;
}

QLabel* valeur(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

} // namespace

FrmEntreeSortie::FrmEntreeSortie()
    : Form(QStringLiteral("FrmEntreeSortie"), QStringLiteral("Entree/Sortie")) {
    Label1 = controle(new QLabel(QStringLiteral("Maticule Abonne"), this), 300, 200, 2200, 400);
    Label35 = controle(valeur(this), 2600, 200, 2500, 400);

    Frame1 = controle(new QGroupBox(QStringLiteral("Information Abonne"), this), 300, 800, 5000, 2400);
    controle(new QLabel(QStringLiteral(" NOM"), Frame1), 200, 500, 1200, 400);
    controle(new QLabel(QStringLiteral(" PRENOM"), Frame1), 200, 1100, 1200, 400);
    controle(new QLabel(QStringLiteral(" DATE"), Frame1), 200, 1700, 1200, 400);
    Label5 = controle(valeur(Frame1), 1500, 500, 3300, 400);
    Label6 = controle(valeur(Frame1), 1500, 1100, 3300, 400);
    Label7 = controle(valeur(Frame1), 1500, 1700, 3300, 400);

    Frame2 = controle(new QGroupBox(QStringLiteral("Information Film"), this), 5500, 800, 6200, 2400);
    controle(new QLabel(QStringLiteral("MATRICULE"), Frame2), 900, 350, 1800, 400);
    controle(new QLabel(QStringLiteral("Date SORTIE"), Frame2), 2800, 350, 1600, 400);
    controle(new QLabel(QString::fromUtf8("Retour Prévus"), Frame2), 4450, 350, 1700, 400);
    std::array<std::array<QLabel*, 3>, 3> f2{};
    for (int i = 0; i < 3; ++i) {
        const double haut = 850 + i * 500;
        controle(new QLabel(QStringLiteral("CD%1").arg(i + 1), Frame2), 150, haut, 700, 400);
        f2[i][0] = controle(valeur(Frame2), 900, haut, 1800, 400);
        f2[i][1] = controle(valeur(Frame2), 2800, haut, 1600, 400);
        f2[i][2] = controle(valeur(Frame2), 4450, haut, 1650, 400);
    }
    Label14 = f2[0][0], Label15 = f2[0][1], Label16 = f2[0][2];
    Label17 = f2[1][0], Label18 = f2[1][1], Label19 = f2[1][2];
    Label20 = f2[2][0], Label21 = f2[2][1], Label22 = f2[2][2];

    Frame3 = controle(new QGroupBox(QStringLiteral("Retrait / Sortie"), this), 300, 3400, 11400, 3400);
    static const char* const couleurs[3] = {"lightblue", "lightyellow", "red"};
    std::array<QLabel*, 3> matricules{}, titres{};
    std::array<QPushButton*, 3> retraits{}, depos{};
    for (int i = 0; i < 3; ++i) {
        const double haut = 550 + i * 950;
        const QString fond = QString::fromLatin1(couleurs[i]);
        controle(new QLabel(QStringLiteral("MATRICULE %1").arg(i + 1), Frame3), 200, haut, 1700, 450);
        matricules[i] = controle(valeur(Frame3), 1950, haut, 1850, 450);
        controle(new QLabel(QStringLiteral("Nom Film"), Frame3), 3900, haut, 1200, 450);
        titres[i] = controle(valeur(Frame3), 5150, haut, 3750, 450);
        titres[i]->setStyleSheet(QStringLiteral("background-color:%1; color:green;").arg(fond));
        retraits[i] = controle(new QPushButton(QStringLiteral("Retrait"), Frame3), 9000, haut, 1100, 450);
        depos[i] = controle(new QPushButton(QStringLiteral("Depos"), Frame3), 10150, haut, 1100, 450);
        for (QPushButton* b : {retraits[i], depos[i]})
            b->setStyleSheet(QStringLiteral("background-color:%1;").arg(fond));
        const int k = i + 1;
        connect(retraits[i], &QPushButton::clicked, this, [this, k] { Retrait_Click(k); });
        connect(depos[i], &QPushButton::clicked, this, [this, k] { Depos_Click(k); });
    }
    Label26 = matricules[0], Label29 = matricules[1], Label32 = matricules[2];
    Label28 = titres[0], Label31 = titres[1], Label34 = titres[2];
    Command1 = retraits[0], Command3 = retraits[1], Command5 = retraits[2];
    Command2 = depos[0], Command4 = depos[1], Command6 = depos[2];
    for (int i = 0; i < 3; ++i)
        cases_[size_t(i)] = {matricules[i], titres[i], f2[i][0], f2[i][1], f2[i][2], retraits[i], depos[i]};

    // The grids end where the window's visible area ends on the smallest screen, so that the last
    // rows of a long list scroll into view.
    MSFlexGrid2 = controle(new MSFlexGrid(this), 300, 800, 11400, 6600);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid1 = controle(new MSFlexGrid(this), 300, 800, 11400, 6600);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    connect(MSFlexGrid2, &MSFlexGrid::Click, this, &FrmEntreeSortie::MSFlexGrid2_Click);
    connect(MSFlexGrid1, &MSFlexGrid::Click, this, &FrmEntreeSortie::MSFlexGrid1_Click);

    connect(ajouterEntree(QStringLiteral("Menu"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmEntreeSortie::Menu_Click);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmEntreeSortie::Retour_Click);
}

void FrmEntreeSortie::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmEntreeSortie::Lire() {
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3, Label1, Label35, MSFlexGrid1})
        w->hide();
    MSFlexGrid2->show();
    menu(QStringLiteral("Menu"))->setEnabled(true);
    menu(QStringLiteral("Retour"))->setEnabled(false);
    cleAbonne_ = -1;
    ChoixGrille.clear();
    show();
    Abon();
}

void FrmEntreeSortie::Abon() {
    try {
        PreparerGrilleAbonnes(*MSFlexGrid2, kGrillePretAbonnes);
    } catch (const ErreurBase& e) {
        MSFlexGrid2->show();
        env().message(QStringLiteral("LA LISTE DES ABONNES NE PEUT ETRE LUE :\n%1").arg(e.message()));
    }
}

void FrmEntreeSortie::MSFlexGrid2_Click() {
    // The heading row and the empty row after the last member name nobody: no card.
    const qint64 cle = CleLigneCourante(*MSFlexGrid2);
    if (cle < 0) return;
    cleAbonne_ = cle;
    ChoixGrille = MSFlexGrid2->textAt(MSFlexGrid2->Row(), 1);
    if (!AfficherFiche()) {
        // The member was deleted since the list was filled: the list is read again.
        Lire();
        return;
    }
    montrerFiche();
}

bool FrmEntreeSortie::AfficherFiche() {
    std::unique_ptr<Recordset> t;
    try {
        t = ctx().base().ouvrirTable(QStringLiteral("Abonne"));
        if (cleAbonne_ < 0 || !t->AllerA(cleAbonne_)) return false;
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LA FICHE DE L'ABONNE NE PEUT ETRE LUE :\n%1").arg(e.message()));
        return false;
    }
    // A value that cannot be read leaves its label as it was; the card goes on.
    const auto lire = [&t](const QString& nom) -> std::optional<QString> {
        try {
            return t->Texte(nom);
        } catch (const ErreurBase&) {
            return std::nullopt;
        }
    };
    const auto remplir = [&](QLabel* l, const QString& nom) {
        if (const auto v = lire(nom)) l->setText(*v);
    };
    remplir(Label5, QStringLiteral("NomAbon"));
    remplir(Label6, QStringLiteral("PrenomAbon"));
    remplir(Label7, QStringLiteral("DateAbon"));
    remplir(Label35, QStringLiteral("MatriculeAbon"));
    if (const auto v = lire(QStringLiteral("MatriculeAbon"))) ChoixGrille = *v;
    for (int k = 1; k <= 3; ++k) {
        const Case& c = cases_[size_t(k - 1)];
        const auto matricule = lire(champ("MatriCD", k));
        if (!matricule) continue;
        const bool libre = *matricule == MarqueVide;
        c.retrait->setEnabled(libre);
        c.depos->setEnabled(!libre);
        if (libre) {
            for (QLabel* l : {c.matricule, c.titre, c.matricule2, c.sortie, c.retour})
                l->clear();
            continue;
        }
        c.matricule->setText(*matricule);
        c.matricule2->setText(*matricule);
        remplir(c.titre, champ("NomCD", k));
        remplir(c.sortie, champ("DateEmp", k));
        remplir(c.retour, champ("DateRest", k));
    }
    return true;
}

void FrmEntreeSortie::montrerFiche() {
    MSFlexGrid2->hide();
    MSFlexGrid1->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3, Label1, Label35})
        w->show();
    menu(QStringLiteral("Menu"))->setEnabled(false);
    menu(QStringLiteral("Retour"))->setEnabled(true);
}

void FrmEntreeSortie::Retrait_Click(int k) {
    if (cleAbonne_ < 0) return;
    ChaineTemp4 = QString::number(k);
    Film();
}

void FrmEntreeSortie::Film() {
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3})
        w->hide();
    MSFlexGrid1->show();
    try {
        PreparerGrille(
            *MSFlexGrid1, colonnesFilms(), QStringLiteral("CD"),
            [](const Recordset& r) {
                const auto n = ExemplairesEnRayon(r.Texte(QStringLiteral("Sortie")));
                return n && *n > 0;
            },
            optionsGrilleFilms());
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LA LISTE DES FILMS NE PEUT ETRE LUE :\n%1").arg(e.message()));
        montrerFiche();
    }
}

void FrmEntreeSortie::MSFlexGrid1_Click() {
    // The heading row and the empty row after the last film lend nothing: the choice stays open.
    const qint64 cle = CleLigneCourante(*MSFlexGrid1);
    if (cle < 0) return;
    MSFlexGrid1->hide();
    Enregis(cle);
}

void FrmEntreeSortie::Enregis(qint64 cleFilm) {
    try {
        PreterFilm(cleAbonne_, ChaineTemp4.toInt(), cleFilm);
    } catch (const Refus& r) {
        env().message(r.message());
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE PRET N'A PAS PU ETRE ENREGISTRE :\n%1").arg(e.message()));
    } catch (const std::exception& e) {
        env().message(
            QStringLiteral("LE PRET N'A PAS PU ETRE ENREGISTRE :\n%1").arg(QString::fromUtf8(e.what())));
    }
    // The card shows what is stored, whether the lend went through or not.
    if (!AfficherFiche()) return Lire();
    montrerFiche();
}

void FrmEntreeSortie::Depos_Click(int k) {
    if (cleAbonne_ < 0) return;
    ChaineTemp4 = QString::number(k);
    Entre();
}

void FrmEntreeSortie::Entre() {
    try {
        if (const QString a = RendreFilm(cleAbonne_, ChaineTemp4.toInt()); !a.isEmpty()) env().message(a);
    } catch (const Refus& r) {
        env().message(r.message());
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE RETOUR N'A PAS PU ETRE ENREGISTRE :\n%1").arg(e.message()));
    } catch (const std::exception& e) {
        env().message(
            QStringLiteral("LE RETOUR N'A PAS PU ETRE ENREGISTRE :\n%1").arg(QString::fromUtf8(e.what())));
    }
    if (!AfficherFiche()) return Lire();
    montrerFiche();
}

void FrmEntreeSortie::Retour_Click() {
    Lire();
}

void FrmEntreeSortie::Menu_Click() {
    RendreLaMain(this);
}

} // namespace vidora
