// Benchmark of the lending window on a club of nFilms films and nMembres members, each workload
// beside raw SQLite statements doing the same database work on the same file:
//   - the members grid (every Abonne row, seven columns);
//   - the films grid of a "Retrait" (the CD rows with a copy on the shelf, four columns);
//   - one lend: a click on the last film of the grid, the card read again;
//   - one return: "Depos" of that slot, the film found by its identifier, the card read again.
// The window is driven headless and needs the QApplication of the benchmark's main.
// Aim: every workload under half a second.

#include "Club.h"
#include "Mesure.h"
#include "bench.h"

#include "common/Contexte.h"
#include "members/FrmEntreeSortie.h"
#include "platform/Database.h"
#include "platform/Grid.h"

#include <QDate>
#include <QPushButton>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kEssais = 5;
constexpr double kObjectifMs = 500.0;

void mesurer(int nFilms, int nMembres, sqlite3* h) {
    auto f = std::make_unique<FrmEntreeSortie>();
    f->charger();

    // Members grid.
    const double abonMoteur = meilleurTemps(kEssais, [&] {
        f->listerAbonnes();
        return static_cast<unsigned long long>(f->grilleAbonnes->Rows());
    });
    const double abonBrut = meilleurTemps(kEssais, [&] { return lireAbonnesBrut(h); });

    // Films grid of a "Retrait", from the first member's card.
    f->grilleAbonnes->cliquer(1, 1);
    const double filmMoteur = meilleurTemps(kEssais, [&] {
        f->preter(1);
        return static_cast<unsigned long long>(f->grilleFilms->Rows());
    });
    const double filmBrut = meilleurTemps(kEssais, [&] {
        unsigned long long total = 0;
        Requete st(h, "SELECT __cle, MatriculeCD, Nom, Categorie, Traver, Rang, Numero, Sortie FROM CD "
                      "ORDER BY __cle");
        while (st.pas()) {
            bool ok = false;
            if (st.colonne(7).trimmed().toLongLong(&ok) <= 0 || !ok) continue;
            QStringList ligne{QString::number(st.cle(0)), st.colonne(1), st.colonne(2), st.colonne(3),
                              st.colonne(4) + QStringLiteral(" - ") + st.colonne(5) + QStringLiteral(" - ") +
                                  st.colonne(6)};
            total += unsigned(ligne.size());
        }
        return total;
    });

    // Lend of the last film of the grid and its return: its identifier is the farthest to find.
    double pretMoteur = std::numeric_limits<double>::max(), retourMoteur = pretMoteur;
    bool fait = true;
    for (int i = 0; i < kEssais; ++i) {
        f->preter(1);
        const int derniere = f->grilleFilms->Rows() - 2;
        auto debut = std::chrono::steady_clock::now();
        f->grilleFilms->cliquer(derniere, 2);
        auto fin = std::chrono::steady_clock::now();
        pretMoteur = std::min(pretMoteur, std::chrono::duration<double, std::milli>(fin - debut).count());
        fait = fait && f->boutonRendre[0]->isEnabled();
        debut = std::chrono::steady_clock::now();
        f->boutonRendre[0]->click();
        fin = std::chrono::steady_clock::now();
        retourMoteur = std::min(retourMoteur, std::chrono::duration<double, std::milli>(fin - debut).count());
        fait = fait && f->boutonPreter[0]->isEnabled();
    }

    // The same database work in raw statements, on the second member and the last film.
    Requete para(h, "SELECT DelaiMini FROM Para ORDER BY __cle LIMIT 1");
    Requete filmParCle(h, "SELECT MatriculeCD, Nom, Sortie FROM CD WHERE __cle = ?");
    Requete filmParMatricule(h, "SELECT __cle, Sortie FROM CD WHERE MatriculeCD = ? ORDER BY __cle LIMIT 1");
    Requete caseAbonne(h, "SELECT MatriCD1, NomCD1 FROM Abonne WHERE __cle = ?");
    Requete ecrireCase(
        h, "UPDATE Abonne SET DateRest1 = ?, DateEmp1 = ?, MatriCD1 = ?, NomCD1 = ? WHERE __cle = ?");
    Requete remettreCase(h,
                         "UPDATE Abonne SET DateRest1 = '0', DateEmp1 = '0', MatriCD1 = '0', NomCD1 = '0', "
                         "Averti1 = 0 WHERE __cle = ?");
    Requete ecrireSortie(h, "UPDATE CD SET Sortie = ? WHERE __cle = ?");
    Requete fiche(h, "SELECT * FROM Abonne WHERE __cle = ?");
    Requete derniereCle(h, "SELECT max(__cle) FROM CD");
    derniereCle.pas();
    const qint64 cleFilm = derniereCle.cle(0);
    derniereCle.reprendre();
    const qint64 cleAbonne = 2;
    const auto lireFiche = [&] {
        fiche.entier(1, cleAbonne);
        unsigned long long n = 0;
        if (fiche.pas())
            for (int i = 0; i < fiche.colonnes(); ++i)
                n += unsigned(fiche.colonne(i).size());
        fiche.reprendre();
        return n;
    };
    double pretBrut = std::numeric_limits<double>::max(), retourBrut = pretBrut;
    for (int i = 0; i < kEssais; ++i) {
        auto debut = std::chrono::steady_clock::now();
        executerSql(h, "BEGIN");
        para.pas();
        const int delai = para.colonne(0).trimmed().toInt();
        para.reprendre();
        filmParCle.entier(1, cleFilm);
        filmParCle.pas();
        const QByteArray matricule = filmParCle.colonne(0).toUtf8(), nom = filmParCle.colonne(1).toUtf8();
        const int enRayon = filmParCle.colonne(2).toInt();
        filmParCle.reprendre();
        caseAbonne.entier(1, cleAbonne);
        caseAbonne.pas();
        caseAbonne.reprendre();
        const QDate jour(2026, 12, 8);
        ecrireCase.texte(1, jour.addDays(delai).toString(QStringLiteral("dd/MM/yyyy")).toUtf8());
        ecrireCase.texte(2, jour.toString(QStringLiteral("dd/MM/yyyy")).toUtf8());
        ecrireCase.texte(3, matricule);
        ecrireCase.texte(4, nom);
        ecrireCase.entier(5, cleAbonne);
        ecrireCase.pas();
        ecrireCase.reprendre();
        ecrireSortie.texte(1, QByteArray::number(enRayon - 1));
        ecrireSortie.entier(2, cleFilm);
        ecrireSortie.pas();
        ecrireSortie.reprendre();
        executerSql(h, "COMMIT");
        puits = puits + lireFiche();
        auto fin = std::chrono::steady_clock::now();
        pretBrut = std::min(pretBrut, std::chrono::duration<double, std::milli>(fin - debut).count());

        debut = std::chrono::steady_clock::now();
        executerSql(h, "BEGIN");
        caseAbonne.entier(1, cleAbonne);
        caseAbonne.pas();
        const QByteArray tenu = caseAbonne.colonne(0).toUtf8();
        caseAbonne.reprendre();
        filmParMatricule.texte(1, tenu);
        qint64 trouve = -1;
        int sortie = 0;
        if (filmParMatricule.pas()) {
            trouve = filmParMatricule.cle(0);
            sortie = filmParMatricule.colonne(1).toInt();
        }
        filmParMatricule.reprendre();
        remettreCase.entier(1, cleAbonne);
        remettreCase.pas();
        remettreCase.reprendre();
        if (trouve >= 0) {
            ecrireSortie.texte(1, QByteArray::number(sortie + 1));
            ecrireSortie.entier(2, trouve);
            ecrireSortie.pas();
            ecrireSortie.reprendre();
        }
        executerSql(h, "COMMIT");
        puits = puits + lireFiche();
        fin = std::chrono::steady_clock::now();
        retourBrut = std::min(retourBrut, std::chrono::duration<double, std::milli>(fin - debut).count());
    }

    f.reset();
    ctx().fermerTables();

    const Resultat resultats[] = {
        {"members grid", abonMoteur, abonBrut, true},
        {"films grid", filmMoteur, filmBrut, true},
        {"lend", pretMoteur, pretBrut},
        {"return", retourMoteur, retourBrut},
    };
    std::printf("VIDORA lending benchmark: %d films, %d members, best of %d runs\n", nFilms, nMembres,
                kEssais);
    imprimerResultats("lending", resultats, kObjectifMs);
    if (!fait) std::printf("warning: a lend or a return of the window did not go through\n");
}

} // namespace

void benchPret(int nFilms, int nMembres) {
    surClub("benchPret", nFilms, nMembres, [&](sqlite3* h) { mesurer(nFilms, nMembres, h); });
}
