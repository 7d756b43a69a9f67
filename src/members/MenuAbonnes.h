#pragma once

namespace vidora {

// Registers what the member, lending and letter entries of the main menu open.
void EnregistrerEntreesAbonnes();

} // namespace vidora
