#pragma once

namespace vidora {

// Compacts the current database through a work file beside it and opens it again. Never loses the
// database: on any failure the original file stays as it was and is reopened; a read-only
// database is not compacted. Returns true on success.
bool CompacterBaseEnCours();

// Closes the current database (its open tables first) before its files are worked on.
void FermerBaseEnCours();
// Opens the current database again after such work; when it cannot be, tells the operator and
// returns false.
bool RouvrirBaseEnCours();

} // namespace vidora
