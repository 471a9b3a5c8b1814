// The boss's rockets: launch limits and pacing, aim, fuse, flight, hits on the ship, and
// what the player's weapons do to them.
#include "support/GameFixture.h"

#include <vector>

#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/Rockets.h"
#include "platform/Random.h"
#include "player/Player.h"
#include "player/Weapons.h"

using namespace glbMain;

namespace {
BossRocketRecord Rocket(int16_t vx, int16_t x, int16_t y, int16_t fuse) { return {-1, vx, x, y, 16, 16, fuse}; }
} // namespace

class RocketsTest : public GameFixture {
protected:
    // A boss in its sweep: on the field, vulnerable and allowed to fire.
    void ArmBoss() {
        gameFrame = 13400;
        Start_Boss();
        BossVulnerable = -1;
        BossFireOn = -1;
    }
};

TEST_F(RocketsTest, HitPointsLimitTheSlotsInUseInBothModes) {
    struct Case {
        int32_t hp;
        int normal, hard;
    };
    const Case cases[] = {{601, 0, 0}, {600, 6, 10}, {500, 6, 10}, {499, 0, 0}, {351, 0, 0}, {350, 3, 5},
                          {200, 3, 5}, {199, 2, 3},  {150, 2, 3},  {149, 4, 8}, {0, 4, 8},   {-1, 0, 0}};
    for (const auto& c : cases) {
        for (int16_t mode : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "HP " << c.hp << " mode " << mode);
            Reset_World();
            glbSystem::cfgHardMode = mode;
            ArmBoss();
            BossHP = c.hp;
            for (int i = 0; i < 25; ++i) Launch_Rocket();
            const int m = mode ? c.hard : c.normal;
            EXPECT_EQ(CountActive(BossRocketTable), m);
            for (int i = 0; i < m; ++i) EXPECT_EQ(BossRocketTable[i].Active, -1) << "slot " << i;
        }
    }
}

TEST_F(RocketsTest, OneLaunchEverySecondFrameWhileSlotsAreFree) {
    ArmBoss();
    for (int tick = 1; tick <= 13; ++tick) {
        Tick_BossFire();
        EXPECT_EQ(CountActive(BossRocketTable), tick < 12 ? (tick + 1) / 2 : 6) << "tick " << tick;
    }
    EXPECT_EQ(BossFireWait, 0) << "a full table leaves the boss trying every frame";
    BossRocketTable[2].Active = 0;
    Tick_BossFire();
    EXPECT_EQ(BossRocketTable[2].Active, -1);
    EXPECT_EQ(BossFireWait, 1);
}

TEST_F(RocketsTest, NoLaunchUnlessTheBossMayFireAndTheShipLives) {
    ArmBoss();
    BossFireOn = 0;
    Tick_BossFire();
    EXPECT_EQ(CountActive(BossRocketTable), 0);
    EXPECT_EQ(BossFireWait, 0);

    BossFireOn = -1;
    BossFireWait = 1;
    BossVulnerable = 0;
    Tick_BossFire();
    EXPECT_EQ(BossFireWait, 1) << "the timer waits too";

    BossVulnerable = -1;
    BossFireWait = 0;
    Player.Alive = 0;
    Tick_BossFire();
    Player.Alive = -1;
    BossPresent = 0;  // destroyed
    Tick_BossFire();
    EXPECT_EQ(CountActive(BossRocketTable), 0);
}

TEST_F(RocketsTest, LaunchAimsAtTheShipsSideFromTheBossesLowerEdge) {
    ArmBoss();  // boss centre x 224, lower edge 152
    struct Case {
        int16_t shipX;
        bool right;
        int16_t x;
    };
    const Case cases[] = {{64, false, 208}, {216, false, 208}, {217, true, 224}, {300, true, 224}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shipX);
        BossRocketTable[0].Active = 0;
        Player.X = c.shipX;
        const auto r = NextDraws(c.shipX, 2);
        Launch_Rocket();
        const auto& rocket = BossRocketTable[0];
        const int speed = static_cast<int>(r[0] * 4) + 4;
        EXPECT_EQ(rocket.Vx, c.right ? speed : -speed);
        EXPECT_EQ(rocket.X, c.x);
        EXPECT_EQ(rocket.Y, 136);
        EXPECT_EQ(rocket.Fuse, static_cast<int>(r[1] * 26) + 24);
    }
}

TEST_F(RocketsTest, FuseOf24ExplodesInThe25thMove) {
    BossRocketTable[0] = Rocket(-4, 200, 100, 24);
    for (int move = 1; move <= 24; ++move) Move_Rockets();
    EXPECT_EQ(BossRocketTable[0].Active, -1);
    EXPECT_EQ(BossRocketTable[0].Fuse, 0);
    EXPECT_EQ(CountActive(BlastTable), 0);
    Move_Rockets();
    EXPECT_EQ(BossRocketTable[0].Active, 0);
    ASSERT_EQ(CountActive(BlastTable), 1);
    EXPECT_EQ(BlastTable[0].X, 108 - 48);  // centred on the rocket at X 100
    EXPECT_EQ(BlastTable[0].Y, 108 - 48);
}

TEST_F(RocketsTest, RocketsLeaveTheFieldOnBothSidesWithoutExplosion) {
    BossRocketTable[0] = Rocket(6, 313, 50, 49);
    BossRocketTable[1] = Rocket(-7, -9, 50, 49);
    BossRocketTable[2] = Rocket(-7, -8, 50, 49);
    Move_Rockets();
    EXPECT_EQ(BossRocketTable[0].X, 319);
    EXPECT_EQ(BossRocketTable[0].Active, -1);
    EXPECT_EQ(BossRocketTable[1].Active, 0);  // at -16
    EXPECT_EQ(BossRocketTable[2].Active, -1);  // at -15
    Move_Rockets();
    EXPECT_EQ(BossRocketTable[0].Active, 0);
    EXPECT_EQ(BossRocketTable[2].Active, 0);
    EXPECT_EQ(CountActive(BlastTable), 0);
}

TEST_F(RocketsTest, ShieldTakesARocketInBothModesWithoutAnExplosionAtTheShip) {
    for (int16_t mode : {0, 1}) {
        SCOPED_TRACE(mode);
        Reset_World();
        glbSystem::cfgHardMode = mode;
        host.beeps = 0;
        ArmBoss();
        Player.Shield = 3;
        BossRocketTable[0] = Rocket(-5, 70, 115, 30);  // over the ship at (64, 112)
        Check_RocketHits();
        EXPECT_EQ(Player.Shield, 2);
        EXPECT_EQ(Player.Alive, -1);
        EXPECT_EQ(gameBackColor, 255u);
        EXPECT_EQ(host.beeps, 1);
        EXPECT_EQ(BossRocketTable[0].Active, 0);
        ASSERT_EQ(CountActive(BlastTable), 1) << "only the rocket explodes";
        EXPECT_EQ(BlastTable[0].X, 78 - 48);
    }
}

TEST_F(RocketsTest, ShipDestroyedByTheFirstRocketLeavesTheOthersFlying) {
    ArmBoss();
    gameFrame = 14000;
    BossRocketTable[1] = Rocket(-5, 70, 115, 30);
    BossRocketTable[4] = Rocket(-5, 60, 110, 30);
    Check_RocketHits();
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(Player.DeathFrame, 14000);
    EXPECT_EQ(BossRocketTable[1].Active, 0);
    EXPECT_EQ(BossRocketTable[4].Active, -1);
}

TEST_F(RocketsTest, LastShieldPointThenTheNextRocketInTheSameFrame) {
    ArmBoss();
    Player.Shield = 1;
    BossRocketTable[1] = Rocket(-5, 70, 115, 30);
    BossRocketTable[4] = Rocket(-5, 60, 110, 30);
    Check_RocketHits();
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(CountActive(BossRocketTable), 0);
}

TEST_F(RocketsTest, RocketsStayDeadlyAfterTheBossIsDestroyed) {
    ArmBoss();
    Damage_Boss(601);
    ASSERT_EQ(BossPresent, 0);
    BossRocketTable[0] = Rocket(-5, 80, 112, 30);  // touches the ship's right edge only
    Check_RocketHits();
    EXPECT_EQ(Player.Alive, -1);
    BossRocketTable[0].X = 79;
    Check_RocketHits();
    EXPECT_EQ(Player.Alive, 0);
}

TEST_F(RocketsTest, NoRocketStepBeforeTheBossHasEntered) {
    BossRocketTable[0] = Rocket(-5, 70, 115, 30);
    BalkanShot[0] = {-1, 10, 70, 120, 12, 1};
    Check_RocketHits();
    Check_RocketShots();
    EXPECT_EQ(Player.Alive, -1);
    EXPECT_EQ(BalkanShot[0].Active, -1);
}

TEST_F(RocketsTest, RocketsStopBalkanShotsAndFlyOn) {
    ArmBoss();
    BossRocketTable[3] = Rocket(-5, 150, 120, 30);
    BalkanShot[0] = {-1, 10, 140, 125, 12, 1};
    BalkanShot[1] = {-1, 10, 138, 125, 12, 1};  // ends at the rocket's left edge
    BalkanShot[2] = {-1, 10, 160, 135, 12, 1};
    Check_RocketShots();
    EXPECT_EQ(BalkanShot[0].Active, 0);
    EXPECT_EQ(BalkanShot[1].Active, -1);
    EXPECT_EQ(BalkanShot[2].Active, 0);
    EXPECT_EQ(BossRocketTable[3].Active, -1);
    EXPECT_EQ(CountActive(BlastTable), 0);
}

TEST_F(RocketsTest, LaserDetonatesEveryRocketItCoversForTenPointsEach) {
    ArmBoss();
    const int32_t score = gameScore;
    BossRocketTable[0] = Rocket(-5, 100, 60, 30);   // upper beam
    BossRocketTable[1] = Rocket(-5, 150, 150, 30);  // lower beam
    BossRocketTable[2] = Rocket(-5, 100, 100, 30);  // between the beams
    Laser = {-1, 32, 40, 50, 140, 200, 32, 4, 0};
    Check_RocketShots();
    EXPECT_EQ(BossRocketTable[0].Active, 0);
    EXPECT_EQ(BossRocketTable[1].Active, 0);
    EXPECT_EQ(BossRocketTable[2].Active, -1);
    EXPECT_EQ(gameScore, score + 20);
    EXPECT_EQ(CountActive(BlastTable), 2);
    EXPECT_EQ(Laser.Active, -1) << "the beams go on";

    Laser.Active = 0;
    Laser.UpperY = 90;
    Check_RocketShots();
    EXPECT_EQ(BossRocketTable[2].Active, -1);
}

TEST_F(RocketsTest, SonicPassesThroughRockets) {
    ArmBoss();
    BossRocketTable[0] = Rocket(-5, 100, 100, 30);
    Sonic = {-1, 12, 105, 90, 10, 40, 20, 0};
    Check_RocketShots();
    EXPECT_EQ(BossRocketTable[0].Active, -1);
    EXPECT_EQ(Sonic.Active, -1);
    EXPECT_EQ(Sonic.Energy, 20);
}
