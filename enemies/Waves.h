#pragma once
// The ぽに: their table, the frame-keyed appearance schedule, their flight.
#include <array>
#include <cstdint>

namespace glbMain {

struct PoniRecord {
    int16_t Active = 0;
    int16_t Vx = 0;
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
    int16_t FireWait = 0;
};

inline std::array<PoniRecord, 18> PoniTable{};

void Schedule_Waves();
void Spawn_Poni();
void Move_Ponis();
void Remove_Poni(int index);

} // namespace glbMain
