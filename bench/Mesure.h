#pragma once
// What every benchmark of bench/ shares: the best time of several runs, and a raw SQLite
// statement for the reference side.

#include "platform/Database.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

namespace vidora_bench {

// Keeps the results of the timed work observable, so that nothing is optimised away.
inline volatile unsigned long long puits = 0;

// One line of a benchmark's table: the program's time beside raw SQLite's, in milliseconds.
struct Resultat {
    const char* nom;
    double moteur;
    double brut;
    bool grille = false; // a list window's grid, held to kObjectifGrille
};

// A list window's grid: within this ratio of the raw read of the same rows.
constexpr double kObjectifGrille = 4.0;

// Prints a table of results under its title, each line with its ratio to raw SQLite, then whether
// every line met the aim, and every grid the ratio aim; returns whether they all did.
template <size_t N>
bool imprimerResultats(const char* quoi, const Resultat (&resultats)[N], double objectifMs) {
    std::printf("%-24s %12s %12s %8s\n", "workload", "window ms", "raw ms", "ratio");
    bool objectif = true, grilles = true, auMoinsUne = false;
    for (const Resultat& r : resultats) {
        const double ratio = r.brut > 0 ? r.moteur / r.brut : 0.0;
        std::printf("%-24s %12.2f %12.2f %7.2fx\n", r.nom, r.moteur, r.brut, ratio);
        objectif = objectif && r.moteur < objectifMs;
        if (r.grille) {
            auMoinsUne = true;
            grilles = grilles && ratio <= kObjectifGrille;
        }
    }
    std::printf("%s aim (each under %.0f ms): %s\n", quoi, objectifMs, objectif ? "met" : "NOT met");
    if (auMoinsUne)
        std::printf("%s grids aim (each within %.0fx of raw SQLite): %s\n", quoi, kObjectifGrille,
                    grilles ? "met" : "NOT met");
    return objectif && grilles;
}

// The best of several runs of travail(), in milliseconds; travail returns a value to keep.
template <typename F> double meilleurTemps(int essais, F&& travail) {
    double meilleur = std::numeric_limits<double>::max();
    for (int i = 0; i < essais; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        const unsigned long long r = travail();
        const auto fin = std::chrono::steady_clock::now();
        puits = puits + r;
        meilleur = std::min(meilleur, std::chrono::duration<double, std::milli>(fin - debut).count());
    }
    return meilleur;
}

[[noreturn]] inline void echecSqlite(sqlite3* db, const char* quoi) {
    throw vidora::ErreurBase(
        vidora::ErreurBase::Genre::Io,
        QStringLiteral("%1 : %2").arg(QString::fromUtf8(quoi), QString::fromUtf8(sqlite3_errmsg(db))));
}

inline void executerSql(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) echecSqlite(db, sql);
}

// A raw prepared statement.
class Requete {
  public:
    Requete(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &st_, nullptr) != SQLITE_OK) echecSqlite(db, sql);
    }
    ~Requete() { sqlite3_finalize(st_); }
    Requete(const Requete&) = delete;
    Requete& operator=(const Requete&) = delete;
    bool pas() {
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) echecSqlite(db_, "sqlite3_step");
        return false;
    }
    void texte(int i, const char* s) { sqlite3_bind_text(st_, i, s, -1, SQLITE_TRANSIENT); }
    void texte(int i, const QByteArray& s) {
        sqlite3_bind_text(st_, i, s.constData(), int(s.size()), SQLITE_TRANSIENT);
    }
    void entier(int i, qint64 v) { sqlite3_bind_int64(st_, i, v); }
    void reprendre() {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    int colonnes() const { return sqlite3_column_count(st_); }
    QString colonne(int i) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
        return QString::fromUtf8(p, sqlite3_column_bytes(st_, i));
    }
    qint64 cle(int i) const { return sqlite3_column_int64(st_, i); }
    sqlite3_stmt* st() const { return st_; }

  private:
    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
};

} // namespace vidora_bench
