// The boss ガルモ: entry, script, movement, contact, shield stripping and weapon damage.
#include "support/GameFixture.h"

#include <vector>

#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "game/Bgm.h"
#include "platform/Random.h"
#include "player/Player.h"
#include "player/Weapons.h"

using namespace glbMain;

namespace {
constexpr int32_t kEntry = 13400;

} // namespace

class BossTest : public GameFixture {
protected:
    void Enter() {
        gameFrame = kEntry;
        Start_Boss();
    }
    void ScriptAt(int32_t t) {
        gameFrame = kEntry + t;
        Run_BossScript();
    }
    void ScriptThrough(int32_t last) {
        for (int32_t t = 1; t <= last; ++t) ScriptAt(t);
    }
    // A vulnerable boss standing still at its entry place.
    void EnterVulnerable() {
        Enter();
        ScriptThrough(100);
    }
};

// --- entry and bonuses -------------------------------------------------------------------

TEST_F(BossTest, EntersAtTheRightCentredWithFullHitPointsAndAsksForItsTrack) {
    gameHasKilled = -1;
    gameScore = 1230;
    bgmNewTrack = 0;
    Enter();
    EXPECT_EQ(BossPhase, -1);
    EXPECT_EQ(BossPresent, -1);
    EXPECT_EQ(BossVulnerable, 0);
    EXPECT_EQ(BossFireOn, 0);
    EXPECT_EQ(BossHP, 600);
    EXPECT_EQ(BossWidth, 64);
    EXPECT_EQ(BossHeight, 64);
    EXPECT_EQ(BossX, 192);
    EXPECT_EQ(BossY, 88);
    EXPECT_EQ(BossVx, 0);
    EXPECT_EQ(BossVy, 0);
    EXPECT_EQ(bgmNewTrack, -1);
    EXPECT_EQ(gameScore, 11230);  // the small entry bonus
}

TEST_F(BossTest, PlayerWhoDestroyedNothingGetsBothBigBonusesEndingAtExactly999999) {
    Enter();
    EXPECT_EQ(gameScore, 300000);
    ScriptThrough(100);
    gameScore += 30;  // three rockets lasered on the way
    Damage_Boss(600);
    EXPECT_EQ(BossPresent, -1) << "0 hit points is still alive";
    Damage_Boss(1);
    EXPECT_EQ(BossPresent, 0);
    EXPECT_EQ(BossPhase, -1);
    EXPECT_EQ(BossDownFrame, kEntry + 100);
    EXPECT_EQ(gameScore, 999999);
}

TEST_F(BossTest, PlayerWhoDestroyedSomethingGetsTheSmallBonuses) {
    gameHasKilled = -1;
    gameScore = 12340;
    EnterVulnerable();
    Damage_Boss(601);
    EXPECT_EQ(BossPresent, 0);
    EXPECT_EQ(gameScore, 12340 + 10000 + 100000);
}

// --- damage ----------------------------------------------------------------------------------

TEST_F(BossTest, TakesDamageOnlyFromFightFrame100) {
    Enter();
    ScriptThrough(99);
    Damage_Boss(10);
    EXPECT_EQ(BossHP, 600);
    ScriptAt(100);
    EXPECT_EQ(BossVulnerable, -1);
    Damage_Boss(10);
    EXPECT_EQ(BossHP, 590);
}

TEST_F(BossTest, DestroyedBossTakesNoMoreDamageAndItsScriptStops) {
    EnterVulnerable();
    Damage_Boss(601);
    EXPECT_EQ(BossHP, -1);
    Damage_Boss(5);
    EXPECT_EQ(BossHP, -1);
    EXPECT_EQ(BossDownFrame, kEntry + 100);

    BossVy = 12;
    ScriptAt(130);
    EXPECT_EQ(BossY, 88);
}

// --- the script --------------------------------------------------------------------------

TEST_F(BossTest, StandsStillUntilTheSweepStartsAtFightFrame120) {
    Enter();
    ScriptThrough(119);
    EXPECT_EQ(BossX, 192);
    EXPECT_EQ(BossY, 88);
    EXPECT_EQ(BossFireOn, 0);

    const double r = NextDraws(77, 1)[0];
    ScriptAt(120);
    EXPECT_EQ(BossVy, r * 2 < 1 ? 12 : -12);
    EXPECT_EQ(BossVx, 0);
    EXPECT_EQ(BossWander, 0);
    EXPECT_EQ(BossFireOn, -1);
    EXPECT_EQ(BossY, 88 + BossVy) << "the script moves the boss in the same run";
    EXPECT_EQ(platform::RndCount(), 1u);
}

TEST_F(BossTest, HitPointsLostBeforeFightFrame120TriggerNoStage) {
    Enter();
    ScriptThrough(110);
    Damage_Boss(250);  // 350: past the 500, 400 and 350 lines
    for (int32_t t = 111; t <= 140; ++t) ScriptAt(t);
    EXPECT_EQ(BossVx, 0);
    EXPECT_EQ(BossWander, 0);
    EXPECT_EQ(BossFireOn, -1);
}

TEST_F(BossTest, OnlyTheFirstCrossedLineOfTheHitPointTableApplies) {
    struct Case {
        int32_t prev, now;
        bool diagonal;
        int16_t wander, fireOn;
    };
    // Every case starts from a still boss that neither wanders nor fires.
    const Case cases[] = {
        {500, 499, true, 0, 0},    {400, 399, false, -1, 0}, {350, 349, true, 0, -1},
        {200, 199, false, -1, 0},  {150, 149, false, 0, -1}, {510, 390, true, 0, 0},
        {600, 100, true, 0, 0},    {390, 340, true, 0, -1},  {499, 450, false, 0, 0},
        {149, 0, false, 0, 0},     {501, 500, false, 0, 0},
    };
    Enter();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.prev << " -> " << c.now);
        BossX = 192;
        BossY = 88;
        BossVx = BossVy = 0;
        BossWander = BossFireOn = 0;
        PrevBossHP = c.prev;
        BossHP = c.now;
        ScriptAt(200);
        if (c.diagonal) {
            EXPECT_TRUE(BossVx == 4 || BossVx == -4);
            EXPECT_TRUE(BossVy == 4 || BossVy == -4);
        } else {
            EXPECT_EQ(BossVx, 0);
            EXPECT_EQ(BossVy, 0);
        }
        EXPECT_EQ(BossWander, c.wander);
        EXPECT_EQ(BossFireOn, c.fireOn);
        EXPECT_EQ(PrevBossHP, c.now);
    }
}

TEST_F(BossTest, SkippedWanderStageNeverComesLater) {
    EnterVulnerable();
    ScriptThrough(125);
    Damage_Boss(210);  // 600 -> 390 in one frame
    ScriptAt(126);
    EXPECT_EQ(BossFireOn, 0);
    EXPECT_EQ(BossWander, 0);
    for (int32_t t = 127; t < 200; ++t) ScriptAt(t);
    EXPECT_EQ(BossWander, 0);
}

TEST_F(BossTest, DiagonalDrawsTheHorizontalSignFirst) {
    const auto r = NextDraws(5, 2);
    Set_BossDiagonal(4);
    EXPECT_EQ(BossVx, r[0] * 2 < 1 ? 4 : -4);
    EXPECT_EQ(BossVy, r[1] * 2 < 1 ? 4 : -4);
}

// --- movement ------------------------------------------------------------------------------

TEST_F(BossTest, SweepLeavesTheFieldCompletelyBeforeTurning) {
    Enter();
    BossFireOn = -1;
    BossWander = 0;
    BossVy = 12;
    std::vector<std::pair<int, int16_t>> turns;  // move number, Y at the turn
    for (int move = 1; move <= 70; ++move) {
        const int16_t before = BossVy;
        Move_Boss();
        if (BossVy != before) turns.emplace_back(move, BossY);
    }
    ASSERT_GE(turns.size(), 2u);
    EXPECT_EQ(turns[0], std::make_pair(13, int16_t{244}));
    EXPECT_EQ(turns[1], std::make_pair(13 + 26, int16_t{-68}));
    EXPECT_EQ(BossX, 192);
}

TEST_F(BossTest, BouncingTurnsAtTheSidesWithoutClamping) {
    Enter();
    BossFireOn = 0;
    BossVy = 0;
    BossX = 255;
    BossVx = 4;
    Move_Boss();
    EXPECT_EQ(BossX, 259);
    EXPECT_EQ(BossVx, -4);
    BossX = 1;
    Move_Boss();
    EXPECT_EQ(BossX, -3);
    EXPECT_EQ(BossVx, 4);
}

TEST_F(BossTest, BouncingLetsTheBossOverhangOneFrameThenPutsItAtTheEdge) {
    Enter();
    BossFireOn = 0;
    BossVx = 4;
    BossX = 100;

    BossY = 2;
    BossVy = -4;
    Move_Boss();  // -2: up to |Vy| beyond the top is allowed
    EXPECT_EQ(BossY, -2);
    EXPECT_EQ(BossVy, -4);
    Move_Boss();
    EXPECT_EQ(BossY, 0);
    EXPECT_EQ(BossVy, 4);

    BossY = 175;
    Move_Boss();  // 179: three pixels below
    EXPECT_EQ(BossY, 179);
    Move_Boss();
    EXPECT_EQ(BossY, 175);
    EXPECT_EQ(BossVy, -4);
}

TEST_F(BossTest, BossBackFromASweepIsPutAtTheEdgeAtOnce) {
    Enter();
    BossFireOn = -1;  // firing, but moving diagonally: not a sweep
    BossVx = 4;
    BossY = 200;
    BossVy = 4;
    Move_Boss();
    EXPECT_EQ(BossY, 175);
    EXPECT_EQ(BossVy, -4);
    BossY = -68;
    Move_Boss();
    EXPECT_EQ(BossY, 0);
    EXPECT_EQ(BossVy, 4);
}

TEST_F(BossTest, WanderingDrawsNewSpeedsAwayFromEachEdgeCrossed) {
    Enter();
    BossWander = -1;

    BossX = 2, BossVx = -5, BossY = 3, BossVy = -6;
    auto r = NextDraws(9, 2);
    Move_Boss();
    EXPECT_EQ(BossX, -3);
    EXPECT_EQ(BossY, -3);
    EXPECT_EQ(BossVx, static_cast<int>(r[0] * 4) + 4);
    EXPECT_EQ(BossVy, static_cast<int>(r[1] * 4) + 4);

    BossX = 250, BossVx = 6, BossY = 170, BossVy = 6;  // right edge at 320, bottom at 240
    r = NextDraws(10, 2);
    Move_Boss();
    EXPECT_EQ(BossVx, -(static_cast<int>(r[0] * 4) + 4));
    EXPECT_EQ(BossVy, -(static_cast<int>(r[1] * 4) + 4));

    BossX = 100, BossVx = 5, BossY = 100, BossVy = -5;
    NextDraws(11, 0);
    Move_Boss();
    EXPECT_EQ(BossVx, 5);
    EXPECT_EQ(BossVy, -5);
    EXPECT_EQ(platform::RndCount(), 0u);
}

// --- contact ---------------------------------------------------------------------------------

TEST_F(BossTest, BodyTouchesOnlyInsideItsRectangleShrunkBy10) {
    EnterVulnerable();
    struct Place {
        int16_t x, y;
        bool touches;
    };
    const Place places[] = {
        {186, 112, false}, {187, 112, true}, {245, 112, true}, {246, 112, false},
        {200, 82, false},  {200, 83, true},  {200, 141, true}, {200, 142, false},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        Player.Alive = -1;
        Player.X = p.x;
        Player.Y = p.y;
        Check_BossContact();
        EXPECT_EQ(Player.Alive == 0, p.touches);
    }
}

TEST_F(BossTest, BodyIsHarmlessBeforeFightFrame100) {
    Enter();
    ScriptThrough(99);
    Player.X = 200;
    Player.Y = 100;
    Check_BossContact();
    EXPECT_EQ(Player.Alive, -1);
}

TEST_F(BossTest, NormalShieldAbsorbsTheBodyOnePointPerFrame) {
    EnterVulnerable();
    gameFrame = 20000;
    Player.X = 200;
    Player.Y = 100;
    Player.Shield = 2;
    Check_BossContact();
    EXPECT_EQ(Player.Shield, 1);
    EXPECT_EQ(gameBackColor, 255u);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(CountActive(BlastTable), 1);
    Check_BossContact();
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(Player.Alive, -1);
    Check_BossContact();
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(Player.DeathFrame, 20000);
    EXPECT_EQ(BossHP, 600);

    Player.DeathFrame = 1;
    Check_BossContact();  // a destroyed ship is ignored
    EXPECT_EQ(Player.DeathFrame, 1);
}

TEST_F(BossTest, HardModeBodyDestroysEvenACheatShield) {
    glbSystem::cfgHardMode = 1;
    EnterVulnerable();
    Player.X = 200;
    Player.Y = 100;
    Player.Shield = 512;
    Check_BossContact();
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(Player.Shield, 512);
}

// --- hard mode shield stripping ------------------------------------------------------------

TEST_F(BossTest, StripShieldTakesOnlyShieldsFrom1To499) {
    struct Case {
        int16_t shield, after;
    };
    const Case cases[] = {{0, 0}, {1, 0}, {8, 0}, {499, 0}, {500, 500}, {512, 512}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shield);
        Reset_World();
        Player.Shield = c.shield;
        Strip_Shield();
        const bool stripped = c.shield != c.after;
        EXPECT_EQ(Player.Shield, c.after);
        EXPECT_EQ(gameBackColor, stripped ? 16776960u : 0u);
        EXPECT_EQ(CountActive(BlastTable), stripped ? 1 : 0);
    }
    Player.Alive = 0;  // no life test: a wreck loses its shield too
    Player.Shield = 4;
    Strip_Shield();
    EXPECT_EQ(Player.Shield, 0);
}

TEST_F(BossTest, HardModeFightStripsTheShieldEveryFrameFromFightFrame100) {
    glbSystem::cfgHardMode = 1;
    Player.Shield = 8;
    Enter();
    ScriptThrough(99);
    EXPECT_EQ(Player.Shield, 8);
    ScriptAt(100);
    EXPECT_EQ(Player.Shield, 0);
    Player.Shield = 2;  // a shield item picked up in the fight
    ScriptAt(101);
    EXPECT_EQ(Player.Shield, 0);
}

TEST_F(BossTest, NormalModeFightKeepsTheShield) {
    Player.Shield = 8;
    Enter();
    ScriptThrough(150);
    EXPECT_EQ(Player.Shield, 8);
}

// --- weapons on the boss ---------------------------------------------------------------------

TEST_F(BossTest, BalkanShotOnTheBossIsUsedUpAlsoBeforeItCanBeHurt) {
    Enter();
    ScriptThrough(50);
    BalkanShot[0] = {-1, 10, 190, 100, 12, 1};
    Check_BalkanOnBoss();
    EXPECT_EQ(BalkanShot[0].Active, 0);
    EXPECT_EQ(BossHP, 600);
}

TEST_F(BossTest, EachBalkanShotDealsOnePointAndEdgeContactIsNoHit) {
    EnterVulnerable();
    BalkanShot[0] = {-1, 10, 190, 100, 12, 1};
    BalkanShot[3] = {-1, 10, 240, 151, 12, 1};
    BalkanShot[5] = {-1, 10, 250, 120, 12, 1};
    BalkanShot[6] = {-1, 10, 180, 100, 12, 1};  // right end touches X 192
    BalkanShot[7] = {-1, 10, 200, 152, 12, 1};  // lies on the bottom edge
    Check_BalkanOnBoss();
    EXPECT_EQ(BossHP, 597);
    EXPECT_EQ(BalkanShot[0].Active, 0);
    EXPECT_EQ(BalkanShot[3].Active, 0);
    EXPECT_EQ(BalkanShot[5].Active, 0);
    EXPECT_EQ(BalkanShot[6].Active, -1);
    EXPECT_EQ(BalkanShot[7].Active, -1);
}

TEST_F(BossTest, ShotsBehindTheDestroyingOneAreUsedUpAndLaterWeaponsDoNothing) {
    gameHasKilled = -1;
    EnterVulnerable();
    BossHP = 0;
    BalkanShot[2] = {-1, 10, 200, 100, 12, 1};
    BalkanShot[5] = {-1, 10, 210, 110, 12, 1};
    Sonic = {-1, 12, 200, 90, 10, 40, 30, 0};
    Laser = {-1, 32, 0, 90, 300, 544, 32, 0, 0};
    const int32_t score = gameScore;
    Check_BalkanOnBoss();
    Check_SonicOnBoss();
    Check_LaserOnBoss();
    EXPECT_EQ(BossPresent, 0);
    EXPECT_EQ(BossHP, -1);
    EXPECT_EQ(BalkanShot[2].Active, 0);
    EXPECT_EQ(BalkanShot[5].Active, 0);
    EXPECT_EQ(Sonic.Energy, 30);
    EXPECT_EQ(Laser.Active, -1);
    EXPECT_EQ(gameScore, score + 100000);
}

TEST_F(BossTest, SonicDamageFallsWithItsEnergyAndASpentWaveNeverHeals) {
    EnterVulnerable();
    Sonic = {-1, 12, 200, 90, 10, 40, 40, 0};
    const int32_t expectedHP[] = {598, 597, 597, 597};  // energy 40, 24, 8, -8
    const int16_t expectedEnergy[] = {24, 8, -8, -24};
    for (int i = 0; i < 4; ++i) {
        Check_SonicOnBoss();
        EXPECT_EQ(BossHP, expectedHP[i]) << "hit " << i;
        EXPECT_EQ(Sonic.Energy, expectedEnergy[i]) << "hit " << i;
    }
    Sonic.X = 100;  // clear of the boss: no loss
    Check_SonicOnBoss();
    EXPECT_EQ(Sonic.Energy, -24);
}

TEST_F(BossTest, LaserDamageFollowsItsPowerAndTheBossSwitchesItOff) {
    EnterVulnerable();
    struct Case {
        int16_t power;
        int32_t damage;
    };
    const Case cases[] = {{3, 0}, {4, 1}, {7, 1}, {8, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.power);
        Player.Power[3] = c.power;
        BossHP = 600;
        Laser = {-1, 32, 56, 64, 300, 544, 32, 5, 0};  // upper beam 64..95 over the boss's top
        Check_LaserOnBoss();
        EXPECT_EQ(BossHP, 600 - c.damage);
        EXPECT_EQ(Laser.Active, 0);
        EXPECT_EQ(Laser.Cooldown, c.power);
    }
    Player.Power[3] = 8;
    BossHP = 600;
    Laser = {-1, 32, 56, -100, 140, 544, 32, 5, 0};  // the lower beam alone
    Check_LaserOnBoss();
    EXPECT_EQ(BossHP, 598);
}

TEST_F(BossTest, LaserOnlyTouchingTheBossGoesOn) {
    EnterVulnerable();
    Player.Power[3] = 8;
    Laser = {-1, 32, 56, 56, 300, 544, 32, 5, 0};  // upper beam ends where the boss begins
    Check_LaserOnBoss();
    Laser.UpperY = 100;
    Laser.X = 0;
    Laser.Width = 192;  // right end at the boss's left edge
    Check_LaserOnBoss();
    EXPECT_EQ(Laser.Active, -1);
    EXPECT_EQ(BossHP, 600);
}
