#pragma once
// A crash in the middle of a write, as the operator's machine leaves it: the test program runs
// itself again as a child that writes into a database and is killed with SIGKILL before it commits.

#include <QString>

#include <functional>

namespace vidora_test {

// Leaves the database at `chemin` with a hot journal: the child deletes every row of every table
// one by one (the old pages go to the journal), then writes more than its cache holds (SQLite syncs
// the journal and writes into the file itself), and is killed there. Returns false when no journal
// was left.
bool tuerEnPleineEcriture(const QString& chemin);

// Runs the test program again as a child with the environment variable `variable` set to
// `valeur` (the child reads it before main()), and kills it with SIGKILL as soon as it calls
// enfantPret() and `pendant` (what the test does while the child waits) has run. Returns whether
// it got there.
bool tuerEnfant(const char* variable, const QString& valeur, const std::function<void()>& pendant = {});
// The child's side: tells the parent that this is the moment, and waits to be killed.
[[noreturn]] void enfantPret();

// The file's rollback journal.
QString journal(const QString& chemin);

} // namespace vidora_test
