#pragma once
// Start-up of the program.
#include <cstdint>

namespace app {

// Loads the ranking, seeds the generator, sets the default settings, lets the ranking window
// play replays and shows the menu.
void Main(uint64_t seed);

} // namespace app
