#pragma once

namespace vidora {

// Registers what the film entries of the main menu open.
void EnregistrerEntreesCatalogue();

} // namespace vidora
