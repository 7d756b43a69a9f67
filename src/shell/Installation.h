#pragma once

namespace vidora {

// Makes the application folder at first start and furnishes it with the files the program expects
// to find there (the default picture, the help file, the two letter templates) when they are absent.
void PreparerDossierApplication();

} // namespace vidora
