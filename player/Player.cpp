#include "player/Player.h"

#include "enemies/Items.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Weapons.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;

void Move_Player() {
    if (!Player.Alive) return;
    if (KeyDown(VK_RIGHT)) Player.X += Player.Speed;
    if (KeyDown(VK_LEFT)) Player.X -= Player.Speed;
    if (KeyDown(VK_DOWN)) Player.Y += Player.Speed;
    if (KeyDown(VK_UP)) Player.Y -= Player.Speed;
    if (Player.X + Player.Width + 1 >= 320) Player.X = static_cast<int16_t>(319 - Player.Width);
    if (Player.X < 1) Player.X = 1;
    if (Player.Y + Player.Height + 1 >= 240) Player.Y = static_cast<int16_t>(239 - Player.Height);
    if (Player.Y < 1) Player.Y = 1;
}

bool Weapon_InForce(int k) { return Player.SubWeapon == 256 || Player.MainWeapon == k || Player.SubWeapon == k; }

void Fire_Weapons() {
    if (!KeyDown(VK_SPACE) || !Player.Alive) return;
    if (Player.FireWait > 0) {
        --Player.FireWait;
    } else {
        if (Weapon_InForce(1) && Player.Power[1] > 0) Fire_Balkan();
        if (Weapon_InForce(2) && Player.Power[2] > 0) Fire_Sonic();
        Player.FireWait = 3;
    }
    // The Laser keeps its own timing; the Balkan and Sonic wait does not hold it back.
    if (Weapon_InForce(3) && Player.Power[3] > 0) Fire_Laser();
}

namespace {
void Take_Weapon(int16_t k) {
    if (Player.SubWeapon != k) Player.MainWeapon = k;
    if (Player.Power[k] < 8) ++Player.Power[k];
}

void Take_ExtraWeapon() {
    switch (Player.SubWeapon) {
    case 0:
        do {
            Player.SubWeapon = static_cast<int16_t>(Int(Rnd() * 3) + 1);
        } while (Player.SubWeapon == Player.MainWeapon);
        if (Player.Power[Player.SubWeapon] == 0) Player.Power[Player.SubWeapon] = 1;
        break;
    case 1:
    case 2:
    case 3:
        for (int k = 1; k <= 3; ++k)
            if (Player.Power[k] == 0) Player.Power[k] = 1;
        Player.SubWeapon = 256;
        break;
    case 256: gameScore += 10000; break;
    default: break;
    }
}
} // namespace

void ApplyItem(int16_t kind) {
    switch (kind) {
    case 0:
        if (Player.Speed < 4) ++Player.Speed;
        break;
    case 1:
    case 2:
    case 3: Take_Weapon(kind); break;
    case 4:
        Player.Shield = static_cast<int16_t>(Player.Shield + 2);
        if (Player.Shield > 8) Player.Shield = 8;
        break;
    case 5: Detonate_Bomb(); break;
    case 6: Take_ExtraWeapon(); break;
    default: break;
    }
    gameScore += 10;
}

void Cheat_PowerUp() {
    Player.Speed = 4;
    Player.MainWeapon = 1;
    Player.SubWeapon = 256;
    Player.Power = {0, 8, 8, 8};
    Player.Shield = 8;
}

void Cheat_Shield() { Player.Shield = 512; }

} // namespace glbMain
