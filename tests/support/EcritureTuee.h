#pragma once
// A crash in the middle of a write, as the operator's machine leaves it: the test program runs
// itself again as a child that writes into a database and is killed with SIGKILL before it commits.

#include <QString>

namespace vidora_test {

// Leaves the database at `chemin` with a hot journal: the child deletes every row of every table
// one by one (the old pages go to the journal), then writes more than its cache holds (SQLite syncs
// the journal and writes into the file itself), and is killed there. Returns false when no journal
// was left.
bool tuerEnPleineEcriture(const QString& chemin);

// The file's rollback journal.
QString journal(const QString& chemin);

} // namespace vidora_test
