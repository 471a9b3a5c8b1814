// Enemy bullets, rams, stray bullets and what a hit does to the ship.
#include <algorithm>

#include "enemies/Blasts.h"
#include "enemies/EnemyFire.h"
#include "enemies/Waves.h"
#include "player/Player.h"
#include "support/GameFixture.h"

using namespace glbMain;

namespace {

// The ship after a reset: 16 x 16 at (64, 112), centre (72, 120).
class EnemyFireTest : public GameFixture {
protected:
    static PoniRecord& PutPoni(int i, int x, int y, int vx = -2, int fireWait = 0) {
        auto& p = PoniTable[i];
        p.Active = -1;
        p.X = static_cast<int16_t>(x);
        p.Y = static_cast<int16_t>(y);
        p.Vx = static_cast<int16_t>(vx);
        p.FireWait = static_cast<int16_t>(fireWait);
        return p;
    }
    static EnemyBalkanRecord& PutBullet(int slot, int x, int y, int vx = -6, int shooter = 17) {
        auto& b = EnemyBalkanTable[slot];
        b.Active = -1;
        b.X = static_cast<int16_t>(x);
        b.Y = static_cast<int16_t>(y);
        b.Vx = static_cast<int16_t>(vx);
        b.Shooter = static_cast<int16_t>(shooter);
        return b;
    }
};

// ---- firing ---------------------------------------------------------------------------------

TEST_F(EnemyFireTest, UsableSlotsFollowTheStageInBothModes) {
    const struct { int32_t frame; int slots; } stages[] = {
        {0, 0},     {2999, 0},  {3000, 1},  {4999, 1},  {5000, 2},  {5999, 2},
        {6000, 0},  {6999, 0},  {7000, 4},  {7999, 4},  {8000, 3},  {11999, 3},
        {12000, 6}, {13399, 6}, {13400, 0}, {50000, 0}, {-1, 0},
    };
    for (int16_t mode : {0, 1}) {
        glbSystem::cfgHardMode = mode;
        for (const auto& s : stages) {
            for (auto& b : EnemyBalkanTable) b.Active = 0;
            gameFrame = s.frame;
            PutPoni(0, 200, 50);
            for (int i = 0; i < 8; ++i) Fire_EnemyBalkan(0);
            EXPECT_EQ(CountActive(EnemyBalkanTable), s.slots) << "frame " << s.frame << " mode " << mode;
            // Always the lowest slots.
            for (int i = 0; i < s.slots; ++i) EXPECT_TRUE(EnemyBalkanTable[i].Active);
        }
    }
}

TEST_F(EnemyFireTest, BulletAimsAtTheShipAndHoldsItsShooterBack) {
    gameFrame = 12000;
    // Ship to the left: fast bullet leftwards, from the centre minus its width.
    PutPoni(0, 200, 50, -2);
    Fire_EnemyBalkan(0);
    const auto& left = EnemyBalkanTable[0];
    EXPECT_EQ(left.Active, -1);
    EXPECT_EQ(left.Shooter, 0);
    EXPECT_EQ(left.Vx, -6);
    EXPECT_EQ(left.X, 198);
    EXPECT_EQ(left.Y, 62);
    EXPECT_EQ(left.Width, 10);
    EXPECT_EQ(left.Height, 1);
    EXPECT_EQ(PoniTable[0].FireWait, 6);  // 26 / |-6 - -2|

    // Ship to the right: slower bullet rightwards, from the centre.
    PutPoni(4, 10, 200, -2);
    Fire_EnemyBalkan(4);
    const auto& right = EnemyBalkanTable[1];
    EXPECT_EQ(right.Shooter, 4);
    EXPECT_EQ(right.Vx, 5);
    EXPECT_EQ(right.X, 18);
    EXPECT_EQ(right.Y, 212);
    EXPECT_EQ(PoniTable[4].FireWait, 3);  // 26 / 7, rounded down
}

TEST_F(EnemyFireTest, CentresLevelFireLeft) {
    gameFrame = 12000;
    PutPoni(0, 64, 0);  // centre 72, the ship's centre
    Fire_EnemyBalkan(0);
    EXPECT_EQ(EnemyBalkanTable[0].Vx, -6);
    EXPECT_EQ(EnemyBalkanTable[0].X, 62);
    // One pixel further left and the ship is to the right.
    PutPoni(1, 63, 0);
    Fire_EnemyBalkan(1);
    EXPECT_EQ(EnemyBalkanTable[1].Vx, 5);
}

TEST_F(EnemyFireTest, FireWaitIsTheFloorOf26OverTheClosingSpeed) {
    gameFrame = 12000;
    const struct { int x, vx, wait; } cases[] = {
        {10, 4, 26},    // right at +5 from a ぽに doing +4
        {10, -4, 2},    // right, closing 9
        {200, 4, 2},    // left, closing 10
        {200, -4, 13},  // left, closing 2
        {200, -1, 5},   // left, closing 5: exactly 5.2
        {10, 1, 6},     // right, closing 4: 6.5
    };
    for (const auto& c : cases) {
        for (auto& b : EnemyBalkanTable) b.Active = 0;
        PutPoni(0, c.x, 0, c.vx, 0);
        Fire_EnemyBalkan(0);
        EXPECT_EQ(PoniTable[0].FireWait, c.wait) << "x " << c.x << " vx " << c.vx;
    }
}

TEST_F(EnemyFireTest, NobodyFiresBeforeFrame3000) {
    gameFrame = 2999;
    PutPoni(0, 200, 50);
    PutPoni(1, 220, 80, -3, 2);
    Tick_EnemyFire();
    EXPECT_EQ(CountActive(EnemyBalkanTable), 0);
    EXPECT_EQ(PoniTable[0].FireWait, 0);
    EXPECT_EQ(PoniTable[1].FireWait, 1);
}

TEST_F(EnemyFireTest, CountdownComesBeforeTheChoiceAndOnlyLivingPoniCount) {
    gameFrame = 12000;
    PoniTable[0].FireWait = 4;  // free slot: its wait stays
    PutPoni(1, 200, 50, -2, 1);
    PutPoni(3, 220, 80, -2, 0);
    Tick_EnemyFire();
    EXPECT_EQ(PoniTable[0].FireWait, 4);
    // Slot 1 reached 0 in this very tick and, being lower, fires before slot 3.
    EXPECT_EQ(CountActive(EnemyBalkanTable), 1);
    EXPECT_EQ(EnemyBalkanTable[0].Shooter, 1);
    EXPECT_EQ(PoniTable[1].FireWait, 6);
    EXPECT_EQ(PoniTable[3].FireWait, 0);
    Tick_EnemyFire();
    EXPECT_EQ(EnemyBalkanTable[1].Shooter, 3);
    EXPECT_EQ(PoniTable[1].FireWait, 5);
}

TEST_F(EnemyFireTest, ABlockedShooterBlocksEveryoneAbove) {
    gameFrame = 3000;  // one bullet at a time
    PutBullet(0, 150, 10);
    PutPoni(2, 200, 50);
    PutPoni(5, 230, 90);
    for (int frame = 0; frame < 3; ++frame) Tick_EnemyFire();
    EXPECT_EQ(CountActive(EnemyBalkanTable), 1);
    EXPECT_EQ(PoniTable[2].FireWait, 0);
    EXPECT_EQ(PoniTable[5].FireWait, 0);
    // A bullet in a slot beyond the limit does not block.
    EnemyBalkanTable[0].Active = 0;
    PutBullet(3, 150, 10);
    Tick_EnemyFire();
    EXPECT_EQ(EnemyBalkanTable[0].Shooter, 2);
    EXPECT_EQ(PoniTable[5].FireWait, 0);
    EXPECT_EQ(CountActive(EnemyBalkanTable), 2);
}

TEST_F(EnemyFireTest, TheDeadShipIsStillAimedAt) {
    gameFrame = 12000;
    Player.Alive = 0;
    Player.X = 300;
    PutPoni(0, 200, 50);
    Tick_EnemyFire();
    EXPECT_EQ(EnemyBalkanTable[0].Vx, 5);
}

// ---- flight ---------------------------------------------------------------------------------

TEST_F(EnemyFireTest, BulletsLeaveAtEitherEdge) {
    PutBullet(0, -3, 0, -6);   // to -9: one column still inside
    PutBullet(1, -4, 0, -6);   // to -10: gone
    PutBullet(2, 314, 0, 5);   // to 319
    PutBullet(3, 315, 0, 5);   // to 320: gone
    Move_EnemyBalkans();
    EXPECT_EQ(EnemyBalkanTable[0].X, -9);
    EXPECT_TRUE(EnemyBalkanTable[0].Active);
    EXPECT_FALSE(EnemyBalkanTable[1].Active);
    EXPECT_EQ(EnemyBalkanTable[2].X, 319);
    EXPECT_TRUE(EnemyBalkanTable[2].Active);
    EXPECT_FALSE(EnemyBalkanTable[3].Active);
}

// ---- bullets on the ship --------------------------------------------------------------------

TEST_F(EnemyFireTest, BulletHitsTheShipShrunkByTwo) {
    // Shrunk ship: x 66..78, y 114..126; a 10 x 1 bullet hits with X 57..77 and Y 114..125.
    const struct { int x, y; bool hit; } cases[] = {
        {56, 120, false}, {57, 120, true},  {77, 120, true},  {78, 120, false},
        {70, 113, false}, {70, 114, true},  {70, 125, true},  {70, 126, false},
    };
    for (const auto& c : cases) {
        Player.Alive = -1;
        Player.Shield = 0;
        PutBullet(0, c.x, c.y);
        Check_EnemyBalkanHits();
        EXPECT_EQ(Player.Alive == 0, c.hit) << c.x << "," << c.y;
    }
}

TEST_F(EnemyFireTest, UnshieldedHitDestroysTheShip) {
    gameFrame = 4321;
    PutBullet(2, 70, 120);
    Check_EnemyBalkanHits();
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(Player.DeathFrame, 4321);
    EXPECT_FALSE(EnemyBalkanTable[2].Active);
    EXPECT_EQ(gameBackColor, 255u);
    EXPECT_EQ(host.beeps, 0);
    ASSERT_EQ(CountActive(BlastTable), 1);
    EXPECT_EQ(BlastTable[0].X, 72 - 48);
    EXPECT_EQ(BlastTable[0].Y, 120 - 48);
}

TEST_F(EnemyFireTest, OneShieldPointAbsorbsOneBullet) {
    Player.Shield = 1;
    PutBullet(0, 70, 120);
    Check_EnemyBalkanHits();
    EXPECT_EQ(Player.Alive, -1);
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(gameBackColor, 255u);
    EXPECT_FALSE(EnemyBalkanTable[0].Active);
    ASSERT_EQ(CountActive(BlastTable), 1);
    EXPECT_EQ(BlastTable[0].X, 24);
    EXPECT_EQ(BlastTable[0].Y, 72);

    PutBullet(0, 70, 120);
    Check_EnemyBalkanHits();
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(EnemyFireTest, HardModeBulletBitesEveryFrameOfOverlap) {
    glbSystem::cfgHardMode = 1;
    Player.Shield = 1;
    PutBullet(0, 60, 120, 5);
    Check_EnemyBalkanHits();
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_TRUE(EnemyBalkanTable[0].Active);  // flies on
    Move_EnemyBalkans();                       // X 65, still over the ship
    Check_EnemyBalkanHits();
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_FALSE(EnemyBalkanTable[0].Active);  // spent on the kill
}

TEST_F(EnemyFireTest, BulletsAfterTheKillingOneAreLeftAlone) {
    Player.Shield = 1;
    PutBullet(0, 70, 120);  // takes the last shield point
    PutBullet(1, 66, 118);  // destroys the ship
    PutBullet(4, 64, 116);  // never checked
    Check_EnemyBalkanHits();
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_FALSE(EnemyBalkanTable[0].Active);
    EXPECT_FALSE(EnemyBalkanTable[1].Active);
    EXPECT_TRUE(EnemyBalkanTable[4].Active);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(CountActive(BlastTable), 2);

    // And a dead ship is not hit at all.
    Check_EnemyBalkanHits();
    EXPECT_TRUE(EnemyBalkanTable[4].Active);
    EXPECT_EQ(CountActive(BlastTable), 2);
}

// ---- rams -----------------------------------------------------------------------------------

TEST_F(EnemyFireTest, RamNeedsTheShrunkPoniOverTheShip) {
    // A ぽに shrunk by 2 touches the 16 x 16 ship at (64, 112) with X 51..77 and Y 99..125.
    const struct { int x, y; bool hit; } cases[] = {
        {50, 112, false}, {51, 112, true},  {77, 112, true},  {78, 112, false},
        {64, 98, false},  {64, 99, true},   {64, 125, true},  {64, 126, false},
    };
    for (const auto& c : cases) {
        Player.Alive = -1;
        PutPoni(0, c.x, c.y);
        Check_PoniRams();
        EXPECT_EQ(Player.Alive == 0, c.hit) << c.x << "," << c.y;
    }
}

TEST_F(EnemyFireTest, RamOnAShieldCostsAPointPerFrameAndSparesThePoni) {
    for (int16_t mode : {0, 1}) {
        glbSystem::cfgHardMode = mode;
        for (auto& b : BlastTable) b.Active = 0;
        Player.Alive = -1;
        Player.Shield = 2;
        host.beeps = 0;
        PutPoni(6, 60, 110, -2, 5);
        Check_PoniRams();
        Check_PoniRams();
        EXPECT_EQ(Player.Shield, 0);
        EXPECT_EQ(Player.Alive, -1);
        EXPECT_TRUE(PoniTable[6].Active);
        EXPECT_EQ(host.beeps, 2);
        EXPECT_EQ(CountActive(BlastTable), 2);
        // With the shield gone the ram destroys both, with one explosion only; the slot keeps
        // its FireWait for the next ぽに.
        Check_PoniRams();
        EXPECT_EQ(Player.Alive, 0);
        EXPECT_FALSE(PoniTable[6].Active);
        EXPECT_EQ(PoniTable[6].FireWait, 5);
        EXPECT_EQ(CountActive(BlastTable), 3);
    }
}

TEST_F(EnemyFireTest, RamsAfterTheKillingOneAreLeftAlone) {
    Player.Shield = 1;
    PutPoni(1, 64, 112);  // takes the last shield point
    PutPoni(2, 66, 110);  // destroys the ship and itself
    PutPoni(5, 62, 114);  // never checked
    Check_PoniRams();
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_TRUE(PoniTable[1].Active);
    EXPECT_FALSE(PoniTable[2].Active);
    EXPECT_TRUE(PoniTable[5].Active);
    EXPECT_EQ(CountActive(BlastTable), 2);
}

// ---- the shared hit operations --------------------------------------------------------------

TEST_F(EnemyFireTest, ShieldHitWithoutExplosion) {
    Player.Shield = 3;
    Hit_Shield(false);
    EXPECT_EQ(Player.Shield, 2);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(gameBackColor, 255u);
    EXPECT_EQ(CountActive(BlastTable), 0);
}

// ---- stray bullets --------------------------------------------------------------------------

TEST_F(EnemyFireTest, StrayBulletSparesItsShooterAndDestroysOthersWithoutReward) {
    gameScore = 120;
    PutPoni(3, 100, 50);
    PutPoni(5, 60, 50);
    // Fired left from ぽに 3: starts over it, then flies into ぽに 5.
    PutBullet(0, 98, 62, -6, 3);
    Check_StrayBullets();
    EXPECT_TRUE(PoniTable[3].Active);
    EXPECT_TRUE(EnemyBalkanTable[0].Active);
    EnemyBalkanTable[0].X = 70;
    Check_StrayBullets();
    EXPECT_FALSE(PoniTable[5].Active);
    EXPECT_EQ(PoniTable[5].FireWait, 0);
    EXPECT_FALSE(EnemyBalkanTable[0].Active);
    EXPECT_TRUE(PoniTable[3].Active);
    EXPECT_EQ(gameScore, 120);
    EXPECT_EQ(gameHasKilled, 0);
    ASSERT_EQ(CountActive(BlastTable), 1);
    EXPECT_EQ(BlastTable[0].X, 68 - 48);
    EXPECT_EQ(BlastTable[0].Y, 58 - 48);
}

TEST_F(EnemyFireTest, StrayBulletHitsAreShrunkByTwo) {
    // Against a ぽに at (100, 50) a 10 x 1 bullet hits with X 93..113 and Y 52..63.
    const struct { int x, y; bool hit; } cases[] = {
        {92, 56, false}, {93, 56, true},  {113, 56, true}, {114, 56, false},
        {100, 51, false}, {100, 52, true}, {100, 63, true}, {100, 64, false},
    };
    for (const auto& c : cases) {
        PutPoni(0, 100, 50);
        PutBullet(0, c.x, c.y, -6, 9);
        Check_StrayBullets();
        EXPECT_EQ(PoniTable[0].Active == 0, c.hit) << c.x << "," << c.y;
    }
}

TEST_F(EnemyFireTest, OneBulletMayDestroySeveralEvenAfterTheShipIsGone) {
    Player.Alive = 0;
    PutPoni(2, 100, 50);
    PutPoni(7, 104, 52);
    PutPoni(9, 200, 50);
    PutBullet(1, 100, 60, 5, 0);
    Check_StrayBullets();
    EXPECT_FALSE(PoniTable[2].Active);
    EXPECT_FALSE(PoniTable[7].Active);
    EXPECT_TRUE(PoniTable[9].Active);
    EXPECT_FALSE(EnemyBalkanTable[1].Active);
    EXPECT_EQ(CountActive(BlastTable), 2);
}

TEST_F(EnemyFireTest, NewcomerInTheShootersSlotIsImmuneToo) {
    PutBullet(0, 150, 60, -6, 4);
    PutPoni(4, 148, 50);  // a new ぽに that took the gone shooter's slot
    Check_StrayBullets();
    EXPECT_TRUE(PoniTable[4].Active);
    EXPECT_TRUE(EnemyBalkanTable[0].Active);
}

} // namespace
