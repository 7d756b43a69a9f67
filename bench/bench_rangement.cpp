// Benchmark of "Nouveau Classement" on a club of nFilms films spread evenly over nCategories
// categories: the whole pass of the window (each category's walk of CD, its grid, one edit per film,
// the next free place), beside raw SQLite doing the same reads and writes in one transaction: for
// each category a walk of CD in table order reading the grid's columns, and one prepared UPDATE of
// the place of each film of the category. Aim: under two seconds, within 3x of raw SQLite.

#include "Club.h"
#include "Mesure.h"
#include "bench.h"

#include "catalogue/MAJ.h"
#include "common/Contexte.h"
#include "platform/Database.h"
#include "platform/Grid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>

#include <chrono>
#include <cstdio>
#include <limits>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kEssais = 3;
constexpr double kObjectifMs = 2000.0;
constexpr double kObjectifRatio = 3.0;

// The categories of Genre: the nine of a new database, then more up to n; the films spread over them.
QList<QByteArray> categories(sqlite3* h, int n) {
    QList<QByteArray> noms;
    {
        Requete st(h, "SELECT NomGenre FROM Genre ORDER BY __cle");
        while (st.pas())
            noms << st.colonne(0).toUtf8();
    }
    Requete ajout(h, "INSERT INTO Genre (NomGenre) VALUES (?)");
    while (noms.size() < n) {
        noms << "GENRE " + QByteArray::number(noms.size() + 1);
        ajout.texte(1, noms.last());
        ajout.pas();
        ajout.reprendre();
    }
    Requete maj(h, "UPDATE CD SET Categorie = ? WHERE __cle % ? = ?");
    for (int k = 0; k < noms.size(); ++k) {
        maj.texte(1, noms[k]);
        maj.entier(2, noms.size());
        maj.entier(3, k);
        maj.pas();
        maj.reprendre();
    }
    // Shelves large enough for every film.
    executerSql(h, "UPDATE Classe SET NumRang = '100', NumNumero = 100");
    return noms;
}

double passeFenetre(int& lignesDerniere) {
    double meilleur = std::numeric_limits<double>::max();
    for (int i = 0; i < kEssais; ++i) {
        auto* m = new MAJ;
        m->Form_Load();
        const auto debut = std::chrono::steady_clock::now();
        m->Command1_Click();
        const auto fin = std::chrono::steady_clock::now();
        lignesDerniere = m->MSFlexGrid1->Rows();
        // The window unloads itself at the end of the pass.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        meilleur = std::min(meilleur, std::chrono::duration<double, std::milli>(fin - debut).count());
    }
    return meilleur;
}

double passeBrute(sqlite3* h, const QList<QByteArray>& noms) {
    return meilleurTemps(kEssais, [&] {
        unsigned long long films = 0;
        executerSql(h, "SAVEPOINT brut");
        executerSql(h, "UPDATE Classe SET Trave = 'A', Rang = '1', Numero = 1");
        int rang = 1, numero = 1;
        char trave = 'A';
        Requete maj(h, "UPDATE CD SET Traver = ?, Rang = ?, Numero = ? WHERE __cle = ?");
        for (const QByteArray& nom : noms) {
            const QString categorie = QString::fromUtf8(nom);
            Requete st(h, "SELECT __cle, MatriculeCD, Nom, Categorie, Traver, Rang, Numero, Sortie FROM CD "
                          "ORDER BY __cle");
            while (st.pas()) {
                if (st.colonne(3) != categorie) continue;
                QStringList ligne; // what the window's grid shows of the film
                for (int c = 1; c < st.colonnes(); ++c)
                    ligne << st.colonne(c);
                maj.texte(1, QByteArray(1, trave));
                maj.texte(2, QByteArray::number(rang));
                maj.texte(3, QByteArray::number(numero));
                maj.entier(4, st.cle(0));
                maj.pas();
                maj.reprendre();
                if (++numero > 100) {
                    numero = 1;
                    ++rang;
                }
                if (rang > 100) {
                    rang = 1;
                    ++trave;
                }
                films += unsigned(ligne.size());
            }
        }
        Requete classe(h, "UPDATE Classe SET Trave = ?, Rang = ?, Numero = ?");
        classe.texte(1, QByteArray(1, trave));
        classe.texte(2, QByteArray::number(rang));
        classe.entier(3, numero);
        classe.pas();
        executerSql(h, "RELEASE brut");
        return films;
    });
}

} // namespace

void benchRangement(int nFilms, int nCategories) {
    surClub("benchRangement", nFilms, 0, [&](sqlite3* h) {
        const QList<QByteArray> noms = categories(h, nCategories);
        int lignes = 0;
        const double fenetre = passeFenetre(lignes);
        const double brut = passeBrute(h, noms);
        const double ratio = brut > 0 ? fenetre / brut : 0.0;
        std::printf("VIDORA renumbering benchmark: %d films in %d categories, best of %d runs\n", nFilms,
                    int(noms.size()), kEssais);
        const Resultat resultats[] = {{"renumbering, whole pass", fenetre, brut}};
        imprimerResultats("renumbering", resultats, kObjectifMs);
        std::printf("renumbering ratio aim (within %.0fx of raw SQLite): %s (%.2fx)\n", kObjectifRatio,
                    ratio <= kObjectifRatio ? "met" : "NOT met", ratio);
        const int attendues = nFilms / int(noms.size()) + 2;
        if (lignes < attendues || lignes > attendues + 1)
            std::printf("warning: the last category's grid holds %d rows, expected about %d\n", lignes,
                        attendues);
    });
}
