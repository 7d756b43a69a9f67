#include "EcritureTuee.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <cstdlib>
#include <string>
#include <vector>

#include <sqlite3.h>
#include <unistd.h>

namespace vidora_test {

namespace {

const char* const kVariable = "VIDORA_ECRITURE_A_TUER";

[[noreturn]] void ecrireJusquAEtreTue(const char* chemin) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(chemin, &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) _exit(2);
    std::vector<std::string> tables;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%'",
                       -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    std::string sql = "PRAGMA cache_size=10; BEGIN;";
    // A WHERE clause: row by row, so that every page of the table is journalled.
    for (const std::string& t : tables)
        sql += "DELETE FROM \"" + t + "\" WHERE rowid IS NOT NULL;";
    sql += "CREATE TABLE ecriture_tuee(b);"
           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
           " INSERT INTO ecriture_tuee SELECT zeroblob(1000) FROM n;";
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) _exit(3);
    enfantPret();
}

// The child side runs before main(), when the parent asked for it.
[[maybe_unused]] const bool enfant = [] {
    if (const char* chemin = std::getenv(kVariable)) ecrireJusquAEtreTue(chemin);
    return false;
}();

} // namespace

void enfantPret() {
    if (write(STDOUT_FILENO, "pret\n", 5) != 5) _exit(4);
    for (;;)
        pause();
}

bool tuerEnfant(const char* variable, const QString& valeur, const std::function<void()>& pendant) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QString::fromLatin1(variable), valeur);
    p.setProcessEnvironment(e);
    p.start(QCoreApplication::applicationFilePath(), {});
    // The child may write other lines first (a test program's own output).
    QByteArray lu;
    while (!lu.contains("pret\n") && p.waitForReadyRead(60000))
        lu += p.readAllStandardOutput();
    const bool pret = lu.contains("pret\n");
    if (pret && pendant) pendant();
    p.kill(); // SIGKILL: no handler, no rollback, no clean-up of any kind
    p.waitForFinished();
    return pret;
}

QString journal(const QString& chemin) {
    return chemin + QStringLiteral("-journal");
}

bool tuerEnPleineEcriture(const QString& chemin) {
    return tuerEnfant(kVariable, chemin) && QFileInfo(journal(chemin)).size() > 0;
}

} // namespace vidora_test
