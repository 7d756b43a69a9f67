#pragma once
// What the window benchmarks share: a club database of many films and members, and the context
// the windows expect (zoom, font, application folder, an environment that never waits on a dialog).

#include <sqlite3.h>

#include <functional>

namespace vidora {
class Database;
}

namespace vidora_bench {

// Writes nFilms films and nMembres members into a new database, in one transaction. One film in
// five has no copy on the shelf (the last one always has); the films come in nine categories.
void remplirClub(vidora::Database& db, int nFilms, int nMembres);

// Runs mesurer on a fresh club in a throw-away folder, as the current database, with the windows'
// context set (zoom 100, font 8) and put back afterwards. quoi names the benchmark in its errors.
// Needs the QApplication of the benchmark's main.
void surClub(const char* quoi, int nFilms, int nMembres, const std::function<void(sqlite3*)>& mesurer);

// The raw-SQLite floor of every members grid: the grid's columns read row by row into texts, as
// the grid holds them. Returns the count of cells read.
unsigned long long lireAbonnesBrut(sqlite3* h);

} // namespace vidora_bench
