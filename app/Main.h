#pragma once
// Start-up of the program.
#include <cstdint>

namespace app {

// Loads the ranking, seeds the generator, sets the default settings and shows the menu.
void Main(uint64_t seed);

} // namespace app
