#pragma once
// The player's ship: its record and the two per-frame steps that read the keyboard for it.
#include <array>
#include <cstdint>

namespace glbMain {

struct PlayerRecord {
    int16_t Alive = 0;
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
    int16_t Speed = 0;
    int16_t MainWeapon = 0;          // 1 Balkan, 2 Sonic, 3 Laser
    int16_t SubWeapon = 0;           // 0 none, 1..3 one more, 256 all three
    std::array<int16_t, 4> Power{};  // indexed 1..3 by weapon number; [0] unused
    int16_t Shield = 0;
    int32_t DeathFrame = 0;
    int16_t FireWait = 0;
};

inline PlayerRecord Player{};

void Move_Player();
void Fire_Weapons();
void ApplyItem(int16_t kind);
// Whether weapon k is in force: the main weapon, the extra one, or all three.
bool Weapon_InForce(int k);

void Cheat_PowerUp();
void Cheat_Shield();

} // namespace glbMain
