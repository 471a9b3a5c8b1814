#pragma once
// Explosions: pure decoration, 96 x 96 animations centred on a point.
#include <array>
#include <cstdint>

namespace glbMain {

struct BlastRecord {
    int16_t Active = 0;
    int16_t Sheet = 0;  // which of the five explosion sheets
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
    int16_t Frame = 0;  // animation step; the cell shown is Frame + 1
};

inline std::array<BlastRecord, 128> BlastTable{};

void Spawn_Blast(int16_t x, int16_t y);
void Animate_Blasts();
// F10's explosions, three a frame while gameBlastShower is set.
void Blast_Shower();

} // namespace glbMain
