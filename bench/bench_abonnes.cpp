// Benchmark of the member search and member deletion windows on a club of nFilms films and
// nMembres members: opening each window's grid (every Abonne row, seven columns), beside raw
// SQLite reading the same columns of the same file. Aim: each under half a second.

#include "Club.h"
#include "Mesure.h"
#include "bench.h"

#include "members/FrmCherAbon.h"
#include "members/FrmSuppAbon.h"
#include "platform/Grid.h"

#include <QStringList>

#include <cstdio>
#include <memory>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kEssais = 5;
constexpr double kObjectifMs = 500.0;

template <class Fenetre> double ouvrirGrille(int& lignes) {
    auto f = std::make_unique<Fenetre>();
    f->charger();
    const double ms = meilleurTemps(kEssais, [&] {
        f->montrerListe();
        return static_cast<unsigned long long>(f->grilleAbonnes->Rows());
    });
    lignes = f->grilleAbonnes->Rows();
    return ms;
}

void mesurer(int nFilms, int nMembres, sqlite3* h) {
    int lignesRecherche = 0, lignesSuppression = 0;
    const double recherche = ouvrirGrille<FrmCherAbon>(lignesRecherche);
    const double suppression = ouvrirGrille<FrmSuppAbon>(lignesSuppression);
    const double brut = meilleurTemps(kEssais, [&] { return lireAbonnesBrut(h); });

    const Resultat resultats[] = {
        {"member search grid", recherche, brut, true},
        {"member deletion grid", suppression, brut, true},
    };
    std::printf("VIDORA member windows benchmark: %d films, %d members, best of %d runs\n", nFilms, nMembres,
                kEssais);
    imprimerResultats("member windows", resultats, kObjectifMs);
    if (lignesRecherche != nMembres + 2 || lignesSuppression != nMembres + 2)
        std::printf("warning: the grids hold %d and %d rows, expected %d\n", lignesRecherche,
                    lignesSuppression, nMembres + 2);
}

} // namespace

void benchAbonnes(int nFilms, int nMembres) {
    surClub("benchAbonnes", nFilms, nMembres, [&](sqlite3* h) { mesurer(nFilms, nMembres, h); });
}
