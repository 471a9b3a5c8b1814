#pragma once
// The decorative star field.
#include <array>
#include <cstdint>

namespace glbMain {

struct StarRecord {
    int16_t Active = 0;
    int16_t Speed = 0;  // -2 (slowest) .. -9 (fastest)
    int16_t X = 0, Y = 0;
};

inline std::array<StarRecord, 64> Star{};

// The star field a new game starts with (part of the world reset).
void Setup_Stars();
void Spawn_Stars();
void Move_Stars();

} // namespace glbMain
