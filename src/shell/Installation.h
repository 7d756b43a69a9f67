#pragma once

namespace vidora {

// Makes the application folder at first start and furnishes it with the files the program expects
// to find there when they are absent (the default picture, the help file); the two default letter
// templates are written only when the folder is first made. Finishes or undoes a restore that was
// interrupted there, saying which in a message, and removes the work files that an interrupted
// write of the program left there.
void PreparerDossierApplication();

} // namespace vidora
