#pragma once
// The one random generator of the program. Everything that decides play draws from here
// and nothing else does, so a seed and the inputs replay a game exactly.
#include <cstdint>

namespace platform {

void Randomize(uint64_t seed);
// Uniform in [0, 1): the top 53 bits of one 64-bit draw.
double Rnd();
// Values drawn since the last Randomize.
uint64_t RndCount();
uint64_t RndSeed();
// A seed taken from the clock, for live runs.
uint64_t ClockSeed();

} // namespace platform
