#pragma once

namespace vidora {

// Compacts the current database through a work file beside it and opens it again. Never loses the
// database: on any failure the original file stays as it was and is reopened; a read-only
// database is not compacted. Returns true on success.
bool CompacterBaseEnCours();

} // namespace vidora
