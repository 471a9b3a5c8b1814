#pragma once
// Items dropped by destroyed ぽに, and the bomb.
#include <array>
#include <cstdint>

namespace glbMain {

struct ItemRecord {
    int16_t Active = 0;
    int16_t Kind = 0;  // 0 speed, 1 Balkan, 2 Sonic, 3 Laser, 4 shield, 5 bomb, 6 extra weapon
    int16_t Vx = 0;
    int16_t X = 0, Y = 0;
    int16_t Width = 0, Height = 0;
};

inline std::array<ItemRecord, 24> ItemTable{};

void Drop_Item(int poniIndex, int16_t x, int16_t y);
void Move_Items();
void PickUp_Items();
void Detonate_Bomb();

} // namespace glbMain
