#include "enemies/Boss.h"

#include <cstdlib>

#include "enemies/Blasts.h"
#include "enemies/EnemyFire.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "player/Weapons.h"
#include "records/Config.h"
#include "state/Field.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;

namespace {
constexpr int32_t kBossEntryFrame = 13400;

// ±s, the sign drawn with one random value.
int16_t RandomSign(int16_t s) { return Int(Rnd() * 2) == 0 ? s : static_cast<int16_t>(-s); }

// A wandering speed away from an edge: 4 to 7.
int16_t WanderSpeed() { return static_cast<int16_t>(Int(Rnd() * 4) + 4); }

bool Crossed(int32_t prev, int32_t now, int32_t line) { return prev >= line && now < line; }

void Wander_Boss() {
    if (BossX < 0) BossVx = WanderSpeed();
    if (BossX + BossWidth >= FieldWidth) BossVx = static_cast<int16_t>(-WanderSpeed());
    if (BossY < 0) BossVy = WanderSpeed();
    if (BossY + BossHeight >= FieldHeight) BossVy = static_cast<int16_t>(-WanderSpeed());
}

void Bounce_Boss() {
    if (BossX + BossWidth >= FieldWidth || BossX < 0) BossVx = static_cast<int16_t>(-BossVx);
    if (BossFireOn == True && BossVx == 0) {
        // The sweep leaves the field completely before it turns.
        if (BossY < -BossWidth || BossY >= FieldHeight) BossVy = static_cast<int16_t>(-BossVy);
        return;
    }
    const int16_t speed = static_cast<int16_t>(std::abs(BossVy));
    if (BossY < -speed) {
        BossY = 0;
        BossVy = static_cast<int16_t>(-BossVy);
    }
    if (BossY + BossHeight >= FieldHeight + speed) {
        BossY = static_cast<int16_t>(FieldHeight - BossHeight - 1);
        BossVy = static_cast<int16_t>(-BossVy);
    }
}

// The script's reaction to the hit points lost since its last run: the first line that
// matches wins, so a big hit can skip a stage of the fight for good.
void Apply_HPStage(int32_t p, int32_t h) {
    if (Crossed(p, h, 500)) {
        Set_BossDiagonal(4);
        BossFireOn = False;
    } else if (Crossed(p, h, 400)) {
        BossWander = True;
    } else if (Crossed(p, h, 350)) {
        Set_BossDiagonal(4);
        BossWander = False;
        BossFireOn = True;
    } else if (Crossed(p, h, 200)) {
        BossWander = True;
    } else if (Crossed(p, h, 150)) {
        BossFireOn = True;
    }
}

bool OverlapsBoss(int16_t x, int16_t y, int16_t w, int16_t h) {
    return Overlaps(x, y, w, h, BossX, BossY, BossWidth, BossHeight);
}
} // namespace

void Start_Boss() {
    BossPhase = True;
    BossPresent = True;
    BossHP = 600;
    BossVx = 0;
    BossVy = 0;
    BossWidth = glbMain::kSprite[glbMain::picBoss_01].Width;
    BossHeight = glbMain::kSprite[glbMain::picBoss_01].Height;
    BossX = static_cast<int16_t>(256 - BossWidth);
    // The picture sits where the world reset centred it vertically.
    BossY = static_cast<int16_t>(CInt((FieldHeight - BossHeight) / 2.0));
    bgmNewTrack = True;
    gameScore += gameHasKilled ? 10000 : 300000;
}

void Run_BossScript() {
    if (!BossPhase || !BossPresent) return;
    const int32_t t = gameFrame - kBossEntryFrame;
    if (t == 100) BossVulnerable = True;
    if (t >= 100 && glbSystem::cfgHardMode > 0) Strip_Shield();
    if (t == 120) {
        BossVy = RandomSign(12);
        BossWander = False;
        BossFireOn = True;
    } else if (t > 120) {
        Apply_HPStage(PrevBossHP, BossHP);
    }
    Move_Boss();
    PrevBossHP = BossHP;
}

void Set_BossDiagonal(int16_t speed) {
    BossVx = RandomSign(speed);
    BossVy = RandomSign(speed);
}

void Move_Boss() {
    BossX = static_cast<int16_t>(BossX + BossVx);
    BossY = static_cast<int16_t>(BossY + BossVy);
    if (BossWander)
        Wander_Boss();
    else
        Bounce_Boss();
}

void Strip_Shield() {
    // Cheat shields (500 and up) are left alone on purpose.
    if (Player.Shield < 1 || Player.Shield > 499) return;
    Flash_Screen(16776960);
    Player.Shield = 0;
    Spawn_Blast(CentreOf(Player.X, Player.Width), CentreOf(Player.Y, Player.Height));
    Play_Effect(Effect::ShieldHit);
}

void Check_BossContact() {
    if (!BossPresent || BossVulnerable != True || !Player.Alive) return;
    const bool touching = BossX + 10 < Player.X + Player.Width && Player.X < BossX + BossWidth - 10 &&
                          BossY + 10 < Player.Y + Player.Height && Player.Y < BossY + BossHeight - 10;
    if (!touching) return;
    if (Player.Shield > 0 && glbSystem::cfgHardMode != 1)
        Hit_Shield(true);
    else
        Kill_Player();
}

void Check_BalkanOnBoss() {
    // Tested once: shots behind the one that destroys the boss are still used up on its body.
    if (!BossPresent) return;
    for (auto& shot : BalkanShot) {
        if (!shot.Active || !OverlapsBoss(shot.X, shot.Y, shot.Width, shot.Height)) continue;
        Damage_Boss(1);
        shot.Active = False;
    }
}

void Check_SonicOnBoss() {
    if (!BossPresent || !Sonic.Active) return;
    if (!OverlapsBoss(Sonic.X, Sonic.Y, Sonic.Width, Sonic.Height)) return;
    // A spent wave (Energy below 0) must not heal the boss.
    const int32_t damage = Sonic.Energy >= 0 ? Int(Sonic.Energy / 16.0) : 0;
    Damage_Boss(static_cast<int16_t>(damage));
    Sonic.Energy = static_cast<int16_t>(Sonic.Energy - 16);
}

void Check_LaserOnBoss() {
    if (!BossPresent || !Laser.Active) return;
    if (!Laser_Covers(BossX, BossY, BossWidth, BossHeight)) return;
    Damage_Boss(static_cast<int16_t>(Int(Player.Power[3] / 4.0)));
    End_Laser();
}

void Damage_Boss(int16_t damage) {
    if (!BossPhase || !BossPresent || !BossVulnerable) return;
    BossHP -= damage;
    if (BossHP < 0)
        Destroy_Boss();
    else
        Play_Effect(Effect::BossHit);
}

void Destroy_Boss() {
    BossPresent = False;
    BossDownFrame = gameFrame;
    Play_Effect(Effect::BossDestroyed);
    if (gameHasKilled)
        gameScore += 100000;
    else
        gameScore = 999999;
}

} // namespace glbMain
