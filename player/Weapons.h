#pragma once
// The ship's three weapons: the Balkan ring, the Sonic wave and the twin Laser beams.
#include <array>
#include <cstdint>

namespace glbMain {

struct BalkanShotRecord {
    int16_t Active = 0;
    int16_t Speed = 0;
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
};

struct SonicRecord {
    int16_t Active = 0;
    int16_t Speed = 0;
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
    int16_t Energy = 0;
    int16_t GrowTick = 0;
};

struct LaserRecord {
    int16_t Active = 0;
    int16_t Spread = 0;
    int16_t X = 0;
    int16_t UpperY = 0, LowerY = 0;
    int16_t Width = 0;
    int16_t Thickness = 0;
    int16_t Timer = 0;
    int16_t Cooldown = 0;
};

inline std::array<BalkanShotRecord, 8> BalkanShot{};
inline int16_t NextBalkan = 0;
inline SonicRecord Sonic{};
inline LaserRecord Laser{};

void Fire_Balkan();
void Fire_Sonic();
void Fire_Laser();
void Move_Shots();
void End_Laser();
// Whether a rectangle overlaps either Laser beam.
bool Laser_Covers(int16_t x, int16_t y, int16_t w, int16_t h);

} // namespace glbMain
