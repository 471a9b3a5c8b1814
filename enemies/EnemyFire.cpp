#include "enemies/EnemyFire.h"

#include <cstdlib>

#include "enemies/Blasts.h"
#include "enemies/Drift.h"
#include "enemies/Waves.h"
#include "platform/Platform.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "records/Config.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;

namespace {

constexpr uint32_t kRed = 255;

// How many bullet slots the stage allows; the same for both difficulty settings.
int FireSlots(int32_t n) {
    if (n < 3000) return 0;  // negative counters included
    if (n < 5000) return 1;
    if (n < 6000) return 2;
    if (n < 7000) return 0;  // the first stage with ぽに from both sides gets a breather
    if (n < 8000) return 4;
    if (n < 12000) return 3;
    if (n < 13400) return 6;
    return 0;
}

void Blast_AtPlayer() { Spawn_Blast(CentreOf(Player.X, Player.Width), CentreOf(Player.Y, Player.Height)); }

} // namespace

void Tick_EnemyFire() {
    for (auto& poni : PoniTable)
        if (poni.Active && poni.FireWait > 0) --poni.FireWait;
    // Only the lowest ready ぽに gets a try; if it cannot fire, nobody does this frame.
    for (int i = 0; i < static_cast<int>(PoniTable.size()); ++i) {
        if (PoniTable[i].Active && PoniTable[i].FireWait <= 0) {
            Fire_EnemyBalkan(i);
            return;
        }
    }
}

void Fire_EnemyBalkan(int poniIndex) {
    const int m = FireSlots(gameFrame);
    int slot = -1;
    for (int i = 0; i < m; ++i) {
        if (!EnemyBalkanTable[i].Active) {
            slot = i;
            break;
        }
    }
    if (slot < 0) return;

    auto& bullet = EnemyBalkanTable[slot];
    auto& poni = PoniTable[poniIndex];
    bullet.Active = True;
    bullet.Shooter = static_cast<int16_t>(poniIndex);
    const double poniCentre = poni.X + poni.Width / 2.0;
    // A tie goes left: left-flying bullets are the faster ones.
    bullet.Vx = Player.X + Player.Width / 2.0 > poniCentre ? 5 : -6;
    // Hold the ぽに back until its bullet is 26 pixels clear of it.
    const int closing = std::abs(bullet.Vx - poni.Vx);
    poni.FireWait = static_cast<int16_t>(Int((bullet.Width + 16) / static_cast<double>(closing)));
    bullet.X = static_cast<int16_t>(CInt(bullet.Vx < 0 ? poniCentre - bullet.Width : poniCentre));
    bullet.Y = static_cast<int16_t>(poni.Y + poni.Height - 4);
}

void Move_EnemyBalkans() { Drift_Table(EnemyBalkanTable); }

void Check_EnemyBalkanHits() {
    for (auto& bullet : EnemyBalkanTable) {
        // Once the ship is gone, the remaining bullets have nothing to hit.
        if (!Player.Alive) return;
        if (!bullet.Active) continue;
        const bool hit = Player.X + 2 < bullet.X + bullet.Width && bullet.X < Player.X + Player.Width - 2 &&
                         bullet.Y < Player.Y + Player.Height - 2 && Player.Y + 2 < bullet.Y + bullet.Height;
        if (!hit) continue;
        if (Player.Shield > 0)
            Hit_Shield(true);
        else
            Kill_Player();
        // Hard mode lets the bullet fly on and bite again while it overlaps a living ship.
        if (!(glbSystem::cfgHardMode > 0 && Player.Alive)) bullet.Active = False;
    }
}

void Check_PoniRams() {
    for (auto& poni : PoniTable) {
        if (!Player.Alive) return;
        if (!poni.Active) continue;
        const bool touch = Player.X < poni.X + poni.Width - 2 && poni.X + 2 < Player.X + Player.Width &&
                           poni.Y + 2 < Player.Y + Player.Height && Player.Y < poni.Y + poni.Height - 2;
        if (!touch) continue;
        if (Player.Shield > 0) {
            Hit_Shield(true);
        } else {
            Kill_Player();
            // Only Active: the slot keeps its FireWait for the next ぽに to inherit.
            poni.Active = False;
        }
    }
}

void Check_StrayBullets() {
    for (auto& bullet : EnemyBalkanTable) {
        if (!bullet.Active) continue;
        // A bullet that has hit goes on through the rest of this pass.
        for (int i = 0; i < static_cast<int>(PoniTable.size()); ++i) {
            const auto& poni = PoniTable[i];
            if (!poni.Active || i == bullet.Shooter) continue;
            const bool hit = bullet.X < poni.X + poni.Width - 2 && poni.X + 2 < bullet.X + bullet.Width &&
                             bullet.Y < poni.Y + poni.Height - 2 && poni.Y + 2 < bullet.Y + bullet.Height;
            if (!hit) continue;
            bullet.Active = False;
            Remove_Poni(i);
            Spawn_Blast(CentreOf(poni.X, poni.Width), CentreOf(poni.Y, poni.Height));
            Play_Effect(Effect::PoniDestroyed);
        }
    }
}

void Hit_Shield(bool withBlast) {
    Beep();
    Play_Effect(Effect::ShieldHit);
    --Player.Shield;
    Flash_Screen(kRed);
    if (withBlast) Blast_AtPlayer();
}

void Kill_Player() {
    Player.Alive = False;
    Player.DeathFrame = gameFrame;
    Blast_AtPlayer();
    Flash_Screen(kRed);
    Play_Effect(Effect::ShipDestroyed);
}

} // namespace glbMain
