#pragma once
// Puts the program together: what each part opens from the main menu goes into the table the main
// window reads. The program calls it at start, the test bench before each test.

namespace vidora {

void AssemblerProgramme();

} // namespace vidora
