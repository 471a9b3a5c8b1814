#pragma once
// Enemy bullets, rams, and what a hit does to the ship.
#include <array>
#include <cstdint>

namespace glbMain {

struct EnemyBalkanRecord {
    int16_t Active = 0;
    int16_t Shooter = 0;  // PoniTable index of the ぽに that fired it
    int16_t Vx = 0;
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
};

inline std::array<EnemyBalkanRecord, 8> EnemyBalkanTable{};

void Tick_EnemyFire();
void Fire_EnemyBalkan(int poniIndex);
void Move_EnemyBalkans();
void Check_EnemyBalkanHits();
void Check_PoniRams();
void Check_StrayBullets();
void Hit_Shield(bool withBlast);
void Kill_Player();

} // namespace glbMain
