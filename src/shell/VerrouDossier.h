#pragma once

#include <QString>

namespace vidora {

// One running program per application folder: two would give two films the same identifier and
// the same shelf place, and a compaction in one would leave the other writing to a file that is
// no longer the club's. Takes the folder's lock for as long as the program runs; false, once the
// operator is told, when another running VIDORA holds it. The lock of a program that ended
// without letting it go (a crash, a kill) holds nothing back.
bool VerrouillerDossierApplication(const QString& dossier);

} // namespace vidora
