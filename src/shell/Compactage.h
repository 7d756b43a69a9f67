#pragma once

namespace vidora {

// Compacts the current database through "temp.MDB" of the application folder and opens it again.
// Never loses the database: on any failure the original file stays as it was and is reopened.
// Returns true on success.
bool CompacterBaseEnCours();

} // namespace vidora
