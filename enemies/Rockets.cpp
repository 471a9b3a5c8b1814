#include "enemies/Rockets.h"

#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/EnemyFire.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "player/Weapons.h"
#include "records/Config.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;

namespace {
struct RocketLimit {
    int32_t minHP, maxHP;
    int normal, hard;
};

// How many of the first slots the boss may fill, by its remaining hit points.
constexpr RocketLimit kRocketLimits[] = {
    {500, 600, 6, 10},
    {351, 499, 0, 0},
    {200, 350, 3, 5},
    {150, 199, 2, 3},
    {0, 149, 4, 8},
};

int RocketSlotLimit() {
    for (const auto& limit : kRocketLimits)
        if (BossHP >= limit.minHP && BossHP <= limit.maxHP) return glbSystem::cfgHardMode == 1 ? limit.hard : limit.normal;
    return 0;
}

int FreeRocketSlot(int limit) {
    for (int i = 0; i < limit; ++i)
        if (!BossRocketTable[i].Active) return i;
    return -1;
}

bool OverlapsRocket(const BossRocketRecord& r, int16_t x, int16_t y, int16_t w, int16_t h) {
    return Overlaps(r.X, r.Y, r.Width, r.Height, x, y, w, h);
}
} // namespace

void Tick_BossFire() {
    if (!BossPresent || !BossVulnerable || !Player.Alive) return;
    if (BossFireWait > 0)
        --BossFireWait;
    else if (BossFireOn == True)
        Launch_Rocket();
}

void Launch_Rocket() {
    const int slot = FreeRocketSlot(RocketSlotLimit());
    if (slot < 0) return;
    auto& rocket = BossRocketTable[slot];
    rocket.Active = True;
    const double shipCentre = Player.X + Player.Width / 2.0;
    const double bossCentre = BossX + BossWidth / 2.0;
    const int16_t speed = static_cast<int16_t>(Int(Rnd() * 4) + 4);
    rocket.Vx = shipCentre > bossCentre ? speed : static_cast<int16_t>(-speed);
    rocket.X = static_cast<int16_t>(CInt(rocket.Vx < 0 ? bossCentre - rocket.Width : bossCentre));
    rocket.Y = static_cast<int16_t>(BossY + BossHeight - 16);
    rocket.Fuse = static_cast<int16_t>(Int(Rnd() * 26) + 24);
    BossFireWait = 1;
    Play_Effect(Effect::RocketLaunched);
}

void Move_Rockets() {
    for (int i = 0; i < static_cast<int>(BossRocketTable.size()); ++i) {
        auto& rocket = BossRocketTable[i];
        if (!rocket.Active) continue;
        rocket.X = static_cast<int16_t>(rocket.X + rocket.Vx);
        if (rocket.Fuse < 1)
            Detonate_Rocket(i);
        else
            --rocket.Fuse;
        if (rocket.X <= -rocket.Width || rocket.X > 319) rocket.Active = False;
    }
}

void Detonate_Rocket(int index) {
    auto& rocket = BossRocketTable[index];
    rocket.Active = False;
    Spawn_Blast(CentreOf(rocket.X, rocket.Width), CentreOf(rocket.Y, rocket.Height));
}

void Check_RocketHits() {
    // Rockets stay deadly after the boss is gone, so this keys on the phase, not on presence.
    if (!BossPhase) return;
    for (int i = 0; i < static_cast<int>(BossRocketTable.size()) && Player.Alive; ++i) {
        const auto& rocket = BossRocketTable[i];
        if (!rocket.Active || !OverlapsRocket(rocket, Player.X, Player.Y, Player.Width, Player.Height)) continue;
        if (Player.Shield > 0)
            Hit_Shield(false);
        else
            Kill_Player();
        Detonate_Rocket(i);
    }
}

void Check_RocketShots() {
    if (!BossPhase) return;
    // Rockets stop Balkan shots and take no harm from them.
    for (auto& shot : BalkanShot) {
        if (!shot.Active) continue;
        for (const auto& rocket : BossRocketTable)
            if (rocket.Active && OverlapsRocket(rocket, shot.X, shot.Y, shot.Width, shot.Height)) shot.Active = False;
    }
    if (!Laser.Active) return;
    for (int i = 0; i < static_cast<int>(BossRocketTable.size()); ++i) {
        const auto& rocket = BossRocketTable[i];
        if (!rocket.Active || !Laser_Covers(rocket.X, rocket.Y, rocket.Width, rocket.Height)) continue;
        Detonate_Rocket(i);
        gameScore += 10;
    }
}

} // namespace glbMain
