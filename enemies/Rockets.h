#pragma once
// The boss's rockets.
#include <array>
#include <cstdint>

namespace glbMain {

struct BossRocketRecord {
    int16_t Active = 0;
    int16_t Vx = 0;
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
    int16_t Fuse = 0;
};

inline std::array<BossRocketRecord, 20> BossRocketTable{};

void Tick_BossFire();
void Launch_Rocket();
void Move_Rockets();
void Detonate_Rocket(int index);
void Check_RocketHits();
void Check_RocketShots();

} // namespace glbMain
