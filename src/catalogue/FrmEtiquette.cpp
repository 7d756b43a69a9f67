#include "catalogue/FrmEtiquette.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Schema.h"
#include "common/TexteFichier.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "platform/Imprimante.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>

#include <algorithm>

namespace vidora {

namespace {
const QString kFile = QStringLiteral("Etiquette");
constexpr int kEtiquettesParPage = 40;
constexpr int kColonneTitre = 2;  // the third column, counted from 0
constexpr int kColonnePlace = 89; // the ninetieth
const QString kTrait(190, QLatin1Char('-'));

double zoom(double design) {
    return design / 100 * ctx().PourcentZoom;
}

// The film grid's columns; its cells are the label's own values, read once for the grid and the queue.
const QVector<ColonneGrille>& colonnesFilms() {
    static const QVector<ColonneGrille> c = {{QStringLiteral("NOM"), 2000, {}},
                                             {QStringLiteral("TRAVER"), 1500, {}},
                                             {QStringLiteral("RANG"), 1500, {}},
                                             {QStringLiteral("NUMERO"), 1500, {}},
                                             {QStringLiteral("MATRICULE"), 1500, {}}};
    return c;
}
} // namespace

QList<QStringList> PairesEtiquette(const QStringList& lignes) {
    QList<QStringList> paires;
    for (qsizetype i = 0; i + 1 < lignes.size(); i += 2)
        paires.append({lignes[i], lignes[i + 1]});
    return paires;
}

FrmEtiquette::FrmEtiquette() : Form(QStringLiteral("FrmEtiquette"), QStringLiteral("Edition Etiquette")) {
    bandeau = controle(LabelEncadre(this), "bandeau", 3000, 300, 6000, 500);
    grilleCategories = controle(new MSFlexGrid(this), "grilleCategories", 4970, 1200, 2060, 3000);
    // Centred in the window, the film grid clears the count box above it down to an 800 x 600
    // screen, where the window is the shortest beside the box.
    grilleFilms = controle(new MSFlexGrid(this), "grilleFilms", 1900, 1100, 8200, 6200);
    connect(grilleCategories, &MSFlexGrid::Click, this, &FrmEtiquette::categorieChoisie);
    const auto entree = [this](const char* nom, const char* libelle, void (FrmEtiquette::*h)()) {
        connect(ajouterEntree(QString::fromLatin1(nom), QString::fromUtf8(libelle)), &QAction::triggered,
                this, h);
    };
    entree("Edition", "Editer les Etiquettes", &FrmEtiquette::imprimerEtiquettes);
    entree("Retour", "Retour", &FrmEtiquette::revenir);
    entree("Quiter", "Quitter", &FrmEtiquette::quitter);
}

void FrmEtiquette::charger() {
    MiseEnPlaceStandard(*this);
    listerCategories();
}

void FrmEtiquette::listerCategories() {
    grilleFilms->hide();
    menu(QStringLiteral("Quiter"))->setEnabled(true);
    menu(QStringLiteral("Retour"))->setEnabled(false);
    menu(QStringLiteral("Edition"))->setEnabled(false);
    bandeau->hide();
    show();

    grilleCategories->setWidth(zoom(2060));
    PreparerEntetes(*grilleCategories, {Colonne(QStringLiteral("CATEGORIE"), 2000, schema::Genre::NomGenre)},
                    OptionsGrille{true, false});
    int n = 0;
    Tenter(QStringLiteral("LES CATEGORIES NE PEUVENT ETRE LUES"), [&] {
        auto t = ctx().base().ouvrirTable(schema::Genre::table);
        n = t->RecordCount() - 1;
        for (; !t->Fin(); t->MoveNext())
            AjouterLigneGrille(*grilleCategories, {t->Texte(schema::Genre::NomGenre)},
                               QString::number(t->Cle()));
    });
    // One row at least, however few categories there are.
    grilleCategories->setHeight(zoom(360) * std::max(n, 1));
    grilleCategories->show();
}

void FrmEtiquette::categorieChoisie() {
    // The heading and the empty row after the last category name no category.
    if (CleLigneCourante(*grilleCategories) < 0) return;
    grilleCategories->setCol(1);
    categorieEnCours = grilleCategories->Text();

    MSFlexGrid& g = *grilleFilms;
    g.setWidth(zoom(8200));
    // The labels' grid shows its first column: there is no key to carry.
    PreparerEntetes(g, colonnesFilms(), OptionsGrille{true, false, false});
    menu(QStringLiteral("Retour"))->setEnabled(true);
    grilleCategories->hide();

    int compte = 0;
    QStringList file;
    Tenter(QStringLiteral("LES FILMS NE PEUVENT ETRE LUS"), [&] {
        for (auto t = ctx().base().ouvrirTable(schema::CD::table); !t->Fin(); t->MoveNext()) {
            if (t->EstNull(schema::CD::Categorie) || t->Texte(schema::CD::Categorie) != categorieEnCours)
                continue;
            const QString nom = t->Texte(schema::CD::Nom);
            const QString traver = t->Texte(schema::CD::Traver);
            const QString rang = t->Texte(schema::CD::Rang);
            const QString numero = t->Texte(schema::CD::Numero);
            const QString matricule = t->Texte(schema::CD::MatriculeCD);
            AjouterLigneGrille(g, {nom.trimmed(), traver, rang, numero, matricule});
            ++compte;
            file << nom + QStringLiteral("  ") + matricule
                 << QStringLiteral("Classement ") + traver + QLatin1Char('-') + rang + QLatin1Char('-') +
                        numero;
        }
    });
    g.setTop((Height() - g.Height()) / 2);
    g.setLeft((Width() - g.Width()) / 2);
    g.show();
    // The queue is replaced whole: it holds this category's labels, every pair complete, or stays
    // as it was.
    if (const EcritureEchouee e = EcrireLignes(ctx().fichier(kFile), file)) {
        env().message(MessageEcritureEchouee(ctx().fichier(kFile), e) +
                      QStringLiteral("\nLES ETIQUETTES DE CETTE CATEGORIE NE SONT PAS MISES EN ATTENTE."));
        return;
    }
    bandeau->setText(QStringLiteral("Nombre d'étiquettes  %1").arg(compte));
    bandeau->show();
    menu(QStringLiteral("Edition"))->setEnabled(true);
}

void FrmEtiquette::afficherBase() {
    bandeau->setText(QStringLiteral("Base en Cours ") + ctx().NomBase.left(ctx().NomBase.size() - 4));
}

void FrmEtiquette::imprimerEtiquettes() {
    bandeau->setText(QStringLiteral("Patientez j'imprime"));
    bandeau->repaint();
    const QString chemin = ctx().fichier(kFile);
    const QList<QStringList> paires = PairesEtiquette(LireLignes(chemin).value_or(QStringList()));
    if (paires.isEmpty()) {
        env().message(QStringLiteral("PAS DE FICHE EN ATTENTE"));
        afficherBase();
        return;
    }
    // The page holds 40 labels whole: the widest place the fields allow, every line as read.
    int colonnes = kColonnePlace + int(QStringLiteral("Classement ").size()) +
                   LargeurChamp(schema::CD::table, schema::CD::Traver) +
                   LargeurChamp(schema::CD::table, schema::CD::Rang) +
                   LargeurChamp(schema::CD::table, schema::CD::Numero) + 2;
    for (const QStringList& p : paires)
        colonnes = std::max({colonnes, kColonneTitre + int(p[0].size()), kColonnePlace + int(p[1].size())});
    const int rangees = 2 + 2 * kEtiquettesParPage;

    std::unique_ptr<Imprimante> imp = env().imprimante();
    bool ok = imp->demarrer(QStringLiteral("Etiquettes"));
    if (ok) {
        imp->setPolice(QStringLiteral("Courier"), 9);
        imp->ajusterPage(colonnes, rangees);
        imp->ligneVide();
        imp->setCouleur(QColor(0, 0, 255));
        imp->imprimerLigneCoupee(kTrait);
        int compteur = 1;
        for (qsizetype i = 0; i < paires.size(); ++i) {
            imp->imprimerColonnes({{kColonneTitre, paires[i][0]}, {kColonnePlace, paires[i][1]}});
            imp->imprimerLigneCoupee(kTrait);
            // A new page only when a label is left for it: no blank sheet after the last one.
            if (++compteur == kEtiquettesParPage + 1 && i + 1 < paires.size()) {
                imp->nouvellePage();
                imp->ligneVide();
                compteur = 1;
            }
        }
        ok = imp->terminer();
    }
    afficherBase();
    if (!ok) {
        const QString raison = imp->raison();
        env().message(QStringLiteral("L'IMPRESSION DES ETIQUETTES A ECHOUE%1 : ELLES RESTENT EN ATTENTE")
                          .arg(raison.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(raison.toUpper())));
        return;
    }
    SessionImpression session;
    session.noter(*imp);
    if (EcrireLignes(chemin, {}))
        env().message(
            QStringLiteral("LES ETIQUETTES SONT IMPRIMEES, MAIS LE FICHIER \"Etiquette\" N'A PAS PU "
                           "ETRE VIDE : VIDEZ-LE AVANT D'EN IMPRIMER D'AUTRES"));
    if (const QString avis = session.avisFichiers(); !avis.isEmpty()) env().message(avis);
}

void FrmEtiquette::revenir() {
    listerCategories();
}

void FrmEtiquette::quitter() {
    RevenirAuDepartConnecte(this);
}

} // namespace vidora
