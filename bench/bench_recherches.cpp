// Benchmark of the film windows that list films on a club of nFilms films, each beside raw SQLite
// reading the same columns of the same rows of the same file:
//   - the physical check's grid (every film);
//   - the search by category's grid and the film deletion's grid (one category of nine);
//   - one search by title that finds one film in two (the search box shown again, then the grid).
// Aim: each under half a second.

#include "Club.h"
#include "Mesure.h"
#include "bench.h"

#include "catalogue/FrmControle.h"
#include "catalogue/FrmRecher.h"
#include "catalogue/FrmRecherNom.h"
#include "catalogue/FrmSupprimer.h"
#include "platform/Grid.h"

#include <QLineEdit>
#include <QStringList>

#include <memory>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kEssais = 5;
constexpr double kObjectifMs = 500.0;
const QString kCategorie = QStringLiteral("WESTERN");
const QString kTitre = QStringLiteral("FILM 01"); // FILM 010000 to FILM 019999

// The window loaded once, then its list built again at each run; its grid's row count kept.
template <class Fenetre, class Lister> double grille(int& lignes, Lister&& lister) {
    auto f = std::make_unique<Fenetre>();
    f->charger();
    const double ms = meilleurTemps(kEssais, [&] {
        lister(*f);
        return static_cast<unsigned long long>(f->grilleFilms->Rows());
    });
    lignes = f->grilleFilms->Rows() - 2;
    return ms;
}

// The raw floor: a statement's rows read as the texts of a grid row, place joined; the row count.
double brut(sqlite3* h, const char* sql, const QByteArray& parametre, int& lignes) {
    return meilleurTemps(kEssais, [&] {
        Requete st(h, sql);
        if (!parametre.isEmpty()) st.texte(1, parametre);
        unsigned long long n = 0;
        while (st.pas()) {
            QStringList ligne{QString::number(st.cle(0))};
            for (int i = 1; i + 3 < st.colonnes(); ++i)
                ligne << st.colonne(i);
            const int p = st.colonnes() - 3;
            ligne << st.colonne(p) + QStringLiteral(" - ") + st.colonne(p + 1) + QStringLiteral(" - ") +
                         st.colonne(p + 2);
            ++n;
        }
        lignes = int(n);
        return n;
    });
}

void mesurer(int nFilms, sqlite3* h) {
    int controle = 0, recher = 0, supprimer = 0, nom = 0;
    const double controleMs = grille<FrmControle>(controle, [](FrmControle& f) { f.lister(); });
    const double recherMs = grille<FrmRecher>(recher, [](FrmRecher& f) {
        f.categorieListee = kCategorie;
        f.lister();
    });
    const double supprimerMs = grille<FrmSupprimer>(supprimer, [](FrmSupprimer& f) {
        f.categorieListee = kCategorie;
        f.lister();
    });
    const double nomMs = grille<FrmRecherNom>(nom, [](FrmRecherNom& f) {
        f.montrerRecherche();
        f.caseRecherche->setText(kTitre);
        f.rechercher();
    });

    int controleBrut = 0, categorieBrut = 0, suppressionBrut = 0, nomBrut = 0;
    const double controleRaw =
        brut(h, "SELECT __cle, MatriculeCD, Nom, Etat, Traver, Rang, Numero FROM CD ORDER BY __cle", {},
             controleBrut);
    const double recherRaw =
        brut(h,
             "SELECT __cle, MatriculeCD, Nom, Categorie, Sortie, Traver, Rang, Numero FROM CD "
             "WHERE Categorie = ? ORDER BY __cle",
             kCategorie.toUtf8(), categorieBrut);
    const double supprimerRaw =
        brut(h,
             "SELECT __cle, MatriculeCD, Nom, Etat, Categorie, Traver, Rang, Numero FROM CD "
             "WHERE Categorie = ? ORDER BY __cle",
             kCategorie.toUtf8(), suppressionBrut);
    const double nomRaw =
        brut(h,
             "SELECT __cle, MatriculeCD, Nom, Categorie, Sortie, Traver, Rang, Numero FROM CD "
             "WHERE instr(trim(Nom), ?) > 0 ORDER BY __cle",
             kTitre.toUtf8(), nomBrut);

    const Resultat resultats[] = {
        {"physical check grid", controleMs, controleRaw, true},
        {"category search grid", recherMs, recherRaw, true},
        {"film deletion grid", supprimerMs, supprimerRaw, true},
        {"title search", nomMs, nomRaw, true},
    };
    std::printf("VIDORA film search windows benchmark: %d films, best of %d runs\n", nFilms, kEssais);
    imprimerResultats("film search windows", resultats, kObjectifMs);
    if (controle != controleBrut || recher != categorieBrut || supprimer != suppressionBrut || nom != nomBrut)
        std::printf("warning: the windows list %d, %d, %d and %d films; raw SQLite %d, %d, %d and %d\n",
                    controle, recher, supprimer, nom, controleBrut, categorieBrut, suppressionBrut, nomBrut);
}

} // namespace

void benchRecherches(int nFilms) {
    surClub("benchRecherches", nFilms, 0, [&](sqlite3* h) { mesurer(nFilms, h); });
}
