#include "enemies/WeaponHits.h"

#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/Items.h"
#include "enemies/Waves.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "player/Weapons.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;

namespace {

constexpr int PoniCount = static_cast<int>(PoniTable.size());

bool Hits_Poni(const PoniRecord& p, int16_t x, int16_t y, int16_t w, int16_t h) {
    return Overlaps(x, y, w, h, p.X, p.Y, p.Width, p.Height);
}

void Check_BalkanOnPonis() {
    for (auto& shot : BalkanShot) {
        if (!shot.Active) continue;
        // The shot goes on through the rest of the table once spent: it takes every ぽに it overlaps.
        for (int i = 0; i < PoniCount; ++i) {
            if (!PoniTable[i].Active || !Hits_Poni(PoniTable[i], shot.X, shot.Y, shot.Width, shot.Height))
                continue;
            shot.Active = False;
            Destroy_Poni(i);
        }
    }
}

void Check_SonicOnPonis() {
    if (!Sonic.Active) return;
    for (int i = 0; i < PoniCount; ++i) {
        if (!PoniTable[i].Active || !Hits_Poni(PoniTable[i], Sonic.X, Sonic.Y, Sonic.Width, Sonic.Height))
            continue;
        // The wave stays out; Move_Shots ends it once the energy is below zero.
        Sonic.Energy = static_cast<int16_t>(Sonic.Energy - 8);
        Destroy_Poni(i);
    }
}

void Check_LaserOnPonis() {
    if (!Laser.Active) return;
    for (int i = 0; i < PoniCount; ++i) {
        const auto& p = PoniTable[i];
        if (p.Active && Laser_Covers(p.X, p.Y, p.Width, p.Height)) Destroy_Poni(i);
    }
}

} // namespace

void Check_WeaponHits() {
    Check_BalkanOnPonis();
    Check_SonicOnPonis();
    Check_LaserOnPonis();
    Check_BalkanOnBoss();
    Check_SonicOnBoss();
    Check_LaserOnBoss();
}

void Destroy_Poni(int index) {
    if (!gameHasKilled) gameHasKilled = True;
    Remove_Poni(index);
    // The freed slot still holds the position for the explosion and the item.
    const auto& p = PoniTable[index];
    const int16_t cx = CentreOf(p.X, p.Width);
    const int16_t cy = CentreOf(p.Y, p.Height);
    Spawn_Blast(cx, cy);
    Play_Effect(Effect::PoniDestroyed);
    // One draw per destruction, item or not: a stronger main weapon drops fewer items.
    const int16_t power = Player.Power[Player.MainWeapon];
    if (Int(Rnd() * power * 2) == 0) Drop_Item(index, cx, cy);
    gameScore += 20;
}

} // namespace glbMain
