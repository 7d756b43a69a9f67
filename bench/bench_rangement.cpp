// Benchmark of "Nouveau Classement" on a club of nFilms films spread evenly over 5, 20 and 80
// categories in turn: the whole pass of the window (its read of CD, each category's grid, one edit per
// film, the next free place), beside raw SQLite doing the least the same job needs, in one transaction:
// one read of CD in table order taking the grid's columns, then one prepared UPDATE of the place of
// each film, category after category. Aims: within 2x of raw SQLite, and the time no longer growing
// with the number of categories (80 categories within 1.3x of 5).

#include "Club.h"
#include "Mesure.h"
#include "bench.h"

#include "catalogue/MAJ.h"
#include "common/Contexte.h"
#include "platform/Database.h"
#include "platform/Grid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QListWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kEssais = 3;
constexpr double kObjectifMs = 2000.0;
constexpr double kObjectifRatio = 2.0;
constexpr double kObjectifCategories = 1.3;

// Genre holds n categories (the nine of a new database first, then more); the films spread over them.
QList<QByteArray> categories(sqlite3* h, int n) {
    static const char* const neuf[] = {"ACTION", "AVENTURE", "COMEDIE",         "DESSIN ANIMÉ", "FANTASTIQUE",
                                       "GUERRE", "POLICIER", "SCIENCE FICTION", "WESTERN"};
    executerSql(h, "DELETE FROM Genre");
    QList<QByteArray> noms;
    Requete ajout(h, "INSERT INTO Genre (NomGenre) VALUES (?)");
    while (noms.size() < n) {
        noms << (noms.size() < 9 ? QByteArray(neuf[noms.size()])
                                 : "GENRE " + QByteArray::number(noms.size() + 1));
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
        m->charger();
        const auto debut = std::chrono::steady_clock::now();
        m->lancerClassement();
        const auto fin = std::chrono::steady_clock::now();
        lignesDerniere = m->grilleFilms->Rows();
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
        QHash<QString, int> rangs;
        for (const QByteArray& nom : noms)
            rangs.insert(QString::fromUtf8(nom), int(rangs.size()));
        // One read: what the window's grid shows of each film, gathered by category.
        QVector<QVector<QPair<qint64, QStringList>>> parCategorie(noms.size());
        {
            Requete st(h, "SELECT __cle, MatriculeCD, Nom, Categorie, Traver, Rang, Numero, Sortie FROM CD "
                          "ORDER BY __cle");
            while (st.pas()) {
                const auto r = rangs.constFind(st.colonne(3));
                if (r == rangs.cend()) continue;
                QStringList ligne;
                for (int c = 1; c < st.colonnes(); ++c)
                    ligne << st.colonne(c);
                parCategorie[*r].append({st.cle(0), ligne});
            }
        }
        int rang = 1, numero = 1;
        char trave = 'A';
        Requete maj(h, "UPDATE CD SET Traver = ?, Rang = ?, Numero = ? WHERE __cle = ?");
        for (const auto& categorie : parCategorie)
            for (const auto& film : categorie) {
                maj.texte(1, QByteArray(1, trave));
                maj.texte(2, QByteArray::number(rang));
                maj.texte(3, QByteArray::number(numero));
                maj.entier(4, film.first);
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
                films += unsigned(film.second.size());
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

void benchRangement(int nFilms, std::initializer_list<int> nCategories) {
    surClub("benchRangement", nFilms, 0, [&](sqlite3* h) {
        std::printf("VIDORA renumbering benchmark: %d films, best of %d runs\n", nFilms, kEssais);
        std::printf("%-24s %12s %12s %8s\n", "workload", "window ms", "raw ms", "ratio");
        double premier = 0, dernier = 0, pire = 0, plusLong = 0;
        for (const int n : nCategories) {
            const QList<QByteArray> noms = categories(h, n);
            int lignes = 0;
            const double fenetre = passeFenetre(lignes);
            const double brut = passeBrute(h, noms);
            const double ratio = brut > 0 ? fenetre / brut : 0.0;
            const QByteArray nom = QByteArray::number(n) + " categories";
            std::printf("%-24s %12.2f %12.2f %7.2fx\n", nom.constData(), fenetre, brut, ratio);
            if (premier == 0) premier = fenetre;
            dernier = fenetre;
            pire = std::max(pire, ratio);
            plusLong = std::max(plusLong, fenetre);
            const int attendues = nFilms / n + 2;
            if (lignes < attendues || lignes > attendues + 1)
                std::printf("warning: the last category's grid holds %d rows, expected about %d\n", lignes,
                            attendues);
        }
        std::printf("renumbering aim (each under %.0f ms): %s\n", kObjectifMs,
                    plusLong < kObjectifMs ? "met" : "NOT met");
        std::printf("renumbering ratio aim (within %.0fx of raw SQLite): %s (%.2fx at worst)\n",
                    kObjectifRatio, pire <= kObjectifRatio ? "met" : "NOT met", pire);
        const double croissance = premier > 0 ? dernier / premier : 0.0;
        std::printf("renumbering categories aim (most categories within %.1fx of fewest): %s (%.2fx)\n",
                    kObjectifCategories, croissance <= kObjectifCategories ? "met" : "NOT met", croissance);
    });
}
