#include "members/FrmEntreeSortie.h"

#include "common/Contexte.h"
#include "common/Echec.h"
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

const QVector<ColonneGrille>& colonnesFilms() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, schema::CD::MatriculeCD),
        Colonne(QStringLiteral("TITRE DU FILM"), 5800, schema::CD::Nom),
        Colonne(QStringLiteral("CATEGORIE"), 1500, schema::CD::Categorie),
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

// The object name of a control of the loan slot at index i: its name and the slot number.
QByteArray nomCasier(const char* nom, int i) {
    return QByteArray(nom) + QByteArray::number(i + 1);
}

QLabel* valeur(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

} // namespace

FrmEntreeSortie::FrmEntreeSortie()
    : Form(QStringLiteral("FrmEntreeSortie"), QStringLiteral("Entree/Sortie")) {
    libelleMatricule = controle(new QLabel(QStringLiteral("Maticule Abonne"), this), "libelleMatricule", 300,
                                200, 2200, 400);
    valeurMatricule = controle(valeur(this), "valeurMatricule", 2600, 200, 2500, 400);

    zoneAbonne = controle(new QGroupBox(QStringLiteral("Information Abonne"), this), "zoneAbonne", 300, 800,
                          5000, 2400);
    controle(new QLabel(QStringLiteral(" NOM"), zoneAbonne), 200, 500, 1200, 400);
    controle(new QLabel(QStringLiteral(" PRENOM"), zoneAbonne), 200, 1100, 1200, 400);
    controle(new QLabel(QStringLiteral(" DATE"), zoneAbonne), 200, 1700, 1200, 400);
    valeurNom = controle(valeur(zoneAbonne), "valeurNom", 1500, 500, 3300, 400);
    valeurPrenom = controle(valeur(zoneAbonne), "valeurPrenom", 1500, 1100, 3300, 400);
    valeurDate = controle(valeur(zoneAbonne), "valeurDate", 1500, 1700, 3300, 400);

    zoneFilms =
        controle(new QGroupBox(QStringLiteral("Information Film"), this), "zoneFilms", 5500, 800, 6200, 2400);
    controle(new QLabel(QStringLiteral("MATRICULE"), zoneFilms), 900, 350, 1800, 400);
    controle(new QLabel(QStringLiteral("Date SORTIE"), zoneFilms), 2800, 350, 1600, 400);
    controle(new QLabel(QString::fromUtf8("Retour Prévus"), zoneFilms), 4450, 350, 1700, 400);
    for (int i = 0; i < kCasiers; ++i) {
        const double haut = 850 + i * 500;
        controle(new QLabel(QStringLiteral("CD%1").arg(i + 1), zoneFilms), 150, haut, 700, 400);
        valeurMatriculeFilm[i] = controle(valeur(zoneFilms), nomCasier("valeurMatriculeFilm", i).constData(),
                                          900, haut, 1800, 400);
        valeurDateSortie[i] =
            controle(valeur(zoneFilms), nomCasier("valeurDateSortie", i).constData(), 2800, haut, 1600, 400);
        valeurRetourPrevu[i] =
            controle(valeur(zoneFilms), nomCasier("valeurRetourPrevu", i).constData(), 4450, haut, 1650, 400);
    }

    zonePrets = controle(new QGroupBox(QStringLiteral("Retrait / Sortie"), this), "zonePrets", 300, 3400,
                         11400, 3400);
    static const char* const couleurs[kCasiers] = {"lightblue", "lightyellow", "red"};
    for (int i = 0; i < kCasiers; ++i) {
        const double haut = 550 + i * 950;
        const QString fond = QString::fromLatin1(couleurs[i]);
        controle(new QLabel(QStringLiteral("MATRICULE %1").arg(i + 1), zonePrets), 200, haut, 1700, 450);
        valeurMatriculePret[i] = controle(valeur(zonePrets), nomCasier("valeurMatriculePret", i).constData(),
                                          1950, haut, 1850, 450);
        controle(new QLabel(QStringLiteral("Nom Film"), zonePrets), 3900, haut, 1200, 450);
        valeurTitrePret[i] =
            controle(valeur(zonePrets), nomCasier("valeurTitrePret", i).constData(), 5150, haut, 3750, 450);
        valeurTitrePret[i]->setStyleSheet(QStringLiteral("background-color:%1; color:green;").arg(fond));
        boutonPreter[i] = controle(new QPushButton(QStringLiteral("Retrait"), zonePrets),
                                   nomCasier("boutonPreter", i).constData(), 9000, haut, 1100, 450);
        boutonRendre[i] = controle(new QPushButton(QStringLiteral("Depos"), zonePrets),
                                   nomCasier("boutonRendre", i).constData(), 10150, haut, 1100, 450);
        for (QPushButton* b : {boutonPreter[i], boutonRendre[i]})
            b->setStyleSheet(QStringLiteral("background-color:%1;").arg(fond));
        const int k = i + 1;
        connect(boutonPreter[i], &QPushButton::clicked, this, [this, k] { preter(k); });
        connect(boutonRendre[i], &QPushButton::clicked, this, [this, k] { rendre(k); });
    }

    // The grids end where the window's visible area ends on the smallest screen, so that the last
    // rows of a long list scroll into view.
    grilleAbonnes = controle(new MSFlexGrid(this), "grilleAbonnes", 300, 800, 11400, 6600);
    grilleFilms = controle(new MSFlexGrid(this), "grilleFilms", 300, 800, 11400, 6600);
    connect(grilleAbonnes, &MSFlexGrid::Click, this, &FrmEntreeSortie::abonneChoisi);
    connect(grilleFilms, &MSFlexGrid::Click, this, &FrmEntreeSortie::filmChoisi);

    connect(ajouterEntree(QStringLiteral("Menu"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmEntreeSortie::quitter);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmEntreeSortie::revenir);
}

void FrmEntreeSortie::charger() {
    MiseEnPlaceStandard(*this);
    montrerListe();
}

void FrmEntreeSortie::montrerListe() {
    for (QWidget* w : std::initializer_list<QWidget*>{zoneAbonne, zoneFilms, zonePrets, libelleMatricule,
                                                      valeurMatricule, grilleFilms})
        w->hide();
    grilleAbonnes->show();
    menu(QStringLiteral("Menu"))->setEnabled(true);
    menu(QStringLiteral("Retour"))->setEnabled(false);
    cleAbonne_ = -1;
    matriculeChoisi.clear();
    show();
    listerAbonnes();
}

void FrmEntreeSortie::listerAbonnes() {
    const auto echec = MessageEchec(QStringLiteral("LA LISTE DES ABONNES NE PEUT ETRE LUE"),
                                    [&] { PreparerGrilleAbonnes(*grilleAbonnes, kGrillePretAbonnes); });
    if (echec) {
        grilleAbonnes->show();
        env().message(*echec);
    }
}

void FrmEntreeSortie::abonneChoisi() {
    // The heading row and the empty row after the last member name nobody: no card.
    const qint64 cle = CleLigneCourante(*grilleAbonnes);
    if (cle < 0) return;
    cleAbonne_ = cle;
    matriculeChoisi = grilleAbonnes->textAt(grilleAbonnes->Row(), 1);
    if (!remplirFiche()) {
        // The member was deleted since the list was filled: the list is read again.
        montrerListe();
        return;
    }
    montrerFiche();
}

bool FrmEntreeSortie::remplirFiche() {
    std::unique_ptr<Recordset> t;
    bool trouve = false;
    const bool lu = Tenter(QStringLiteral("LA FICHE DE L'ABONNE NE PEUT ETRE LUE"), [&] {
        t = ctx().base().ouvrirTable(schema::Abonne::table);
        trouve = cleAbonne_ >= 0 && t->AllerA(cleAbonne_);
    });
    if (!lu || !trouve) return false;
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
    remplir(valeurNom, schema::Abonne::NomAbon);
    remplir(valeurPrenom, schema::Abonne::PrenomAbon);
    remplir(valeurDate, schema::Abonne::DateAbon);
    remplir(valeurMatricule, schema::Abonne::MatriculeAbon);
    if (const auto v = lire(schema::Abonne::MatriculeAbon)) matriculeChoisi = *v;
    for (int k = 1; k <= kCasiers; ++k) {
        const size_t i = size_t(k - 1);
        const auto matricule = lire(schema::Abonne::MatriCD(k));
        if (!matricule) continue;
        const bool libre = *matricule == MarqueVide;
        boutonPreter[i]->setEnabled(libre);
        boutonRendre[i]->setEnabled(!libre);
        if (libre) {
            for (QLabel* l : {valeurMatriculePret[i], valeurTitrePret[i], valeurMatriculeFilm[i],
                              valeurDateSortie[i], valeurRetourPrevu[i]})
                l->clear();
            continue;
        }
        valeurMatriculePret[i]->setText(*matricule);
        valeurMatriculeFilm[i]->setText(*matricule);
        remplir(valeurTitrePret[i], schema::Abonne::NomCD(k));
        remplir(valeurDateSortie[i], schema::Abonne::DateEmp(k));
        remplir(valeurRetourPrevu[i], schema::Abonne::DateRest(k));
    }
    return true;
}

void FrmEntreeSortie::montrerFiche() {
    grilleAbonnes->hide();
    grilleFilms->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{zoneAbonne, zoneFilms, zonePrets, libelleMatricule, valeurMatricule})
        w->show();
    menu(QStringLiteral("Menu"))->setEnabled(false);
    menu(QStringLiteral("Retour"))->setEnabled(true);
}

void FrmEntreeSortie::preter(int k) {
    if (cleAbonne_ < 0) return;
    casierEnCours = QString::number(k);
    listerFilms();
}

void FrmEntreeSortie::listerFilms() {
    for (QWidget* w : std::initializer_list<QWidget*>{zoneAbonne, zoneFilms, zonePrets})
        w->hide();
    grilleFilms->show();
    const bool lue = Tenter(QStringLiteral("LA LISTE DES FILMS NE PEUT ETRE LUE"), [&] {
        PreparerGrille(
            *grilleFilms, colonnesFilms(), schema::CD::table,
            [](const Recordset& r) {
                const auto n = ExemplairesEnRayon(r.Texte(schema::CD::Sortie));
                return n && *n > 0;
            },
            optionsGrilleFilms());
    });
    if (!lue) montrerFiche();
}

void FrmEntreeSortie::filmChoisi() {
    // The heading row and the empty row after the last film lend nothing: the choice stays open.
    const qint64 cle = CleLigneCourante(*grilleFilms);
    if (cle < 0) return;
    grilleFilms->hide();
    enregistrerPret(cle);
}

void FrmEntreeSortie::enregistrerPret(qint64 cleFilm) {
    Tenter(QStringLiteral("LE PRET N'A PAS PU ETRE ENREGISTRE"),
           [&] { PreterFilm(cleAbonne_, casierEnCours.toInt(), cleFilm); });
    // The card shows what is stored, whether the lend went through or not.
    if (!remplirFiche()) return montrerListe();
    montrerFiche();
}

void FrmEntreeSortie::rendre(int k) {
    if (cleAbonne_ < 0) return;
    casierEnCours = QString::number(k);
    enregistrerRetour();
}

void FrmEntreeSortie::enregistrerRetour() {
    Tenter(QStringLiteral("LE RETOUR N'A PAS PU ETRE ENREGISTRE"), [&] {
        if (const QString a = RendreFilm(cleAbonne_, casierEnCours.toInt()); !a.isEmpty()) env().message(a);
    });
    if (!remplirFiche()) return montrerListe();
    montrerFiche();
}

void FrmEntreeSortie::revenir() {
    montrerListe();
}

void FrmEntreeSortie::quitter() {
    RendreLaMain(this);
}

} // namespace vidora
