// Explosions, and what the player's weapons do to the ぽに.
#include "support/GameFixture.h"

#include "enemies/Blasts.h"
#include "enemies/Items.h"
#include "enemies/Waves.h"
#include "enemies/WeaponHits.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "player/Weapons.h"
#include "records/Config.h"

using namespace glbMain;
using glbSystem::cfgEasyBlast;

namespace {

void PlacePoni(int slot, int16_t x, int16_t y, int16_t vx = -2) {
    PoniTable[slot].Active = -1;
    PoniTable[slot].Vx = vx;
    PoniTable[slot].X = x;
    PoniTable[slot].Y = y;
}

void PlaceBalkan(int slot, int16_t x, int16_t y) {
    BalkanShot[slot].Active = -1;
    BalkanShot[slot].X = x;
    BalkanShot[slot].Y = y;
}

void PlaceSonic(int16_t x, int16_t y, int16_t height, int16_t energy) {
    Sonic.Active = -1;
    Sonic.X = x;
    Sonic.Y = y;
    Sonic.Height = height;
    Sonic.Energy = energy;
}

} // namespace

// ---- explosions ----

class BlastTest : public GameFixture {
protected:
    // Animates from frame `from` until the explosion in slot 0 ends; returns the frame it ended in.
    int32_t EndFrame(int32_t from) {
        for (gameFrame = from; gameFrame < from + 100; ++gameFrame) {
            Animate_Blasts();
            if (!BlastTable[0].Active) return gameFrame;
        }
        return -1;
    }
};

TEST_F(BlastTest, CentredOnThePointWithARandomSheet) {
    platform::Randomize(4);
    const double r = platform::Rnd();
    platform::Randomize(4);
    Spawn_Blast(100, 50);
    const auto& b = BlastTable[0];
    EXPECT_EQ(b.Active, -1);
    EXPECT_EQ(b.X, 52);
    EXPECT_EQ(b.Y, 2);
    EXPECT_EQ(b.Frame, -1);
    EXPECT_EQ(b.Sheet, platform::Int(r * 5));
    // Near a corner the square reaches out of the field; nothing is clipped.
    Spawn_Blast(8, 8);
    EXPECT_EQ(BlastTable[1].X, -40);
    EXPECT_EQ(BlastTable[1].Y, -40);
}

TEST_F(BlastTest, NormalExplosionShowsSixteenCellsAdvancingInEvenFrames) {
    Spawn_Blast(100, 100);  // as a hit test of frame 0 would
    gameFrame = 1;
    Animate_Blasts();
    EXPECT_EQ(BlastTable[0].Frame, -1);  // odd frame: first drawn as cell 0
    for (int32_t f = 2; f <= 32; f += 2) {
        gameFrame = f;
        Animate_Blasts();
    }
    EXPECT_EQ(BlastTable[0].Frame, 15);
    EXPECT_EQ(BlastTable[0].Active, -1);
    EXPECT_EQ(EndFrame(33), 34);
}

TEST_F(BlastTest, SimplifiedExplosionSkipsEveryOtherCell) {
    cfgEasyBlast = -1;
    Spawn_Blast(100, 100);
    EXPECT_EQ(BlastTable[0].Frame, -2);
    for (int32_t f = 2; f <= 16; f += 2) {
        gameFrame = f;
        Animate_Blasts();
        EXPECT_EQ(BlastTable[0].Frame, f - 2);
    }
    EXPECT_EQ(BlastTable[0].Active, -1);  // last step shows Frame 14
    EXPECT_EQ(EndFrame(17), 18);
}

TEST_F(BlastTest, FullTableShowsNothingAndDrawsNothing) {
    for (int i = 0; i < 128; ++i) Spawn_Blast(static_cast<int16_t>(i), 10);
    ASSERT_EQ(CountActive(BlastTable), 128);
    const uint64_t draws = platform::RndCount();
    Spawn_Blast(200, 200);
    EXPECT_EQ(platform::RndCount(), draws);
    // A freed slot is the one taken next.
    BlastTable[77].Active = 0;
    Spawn_Blast(200, 200);
    EXPECT_EQ(BlastTable[77].X, 152);
}

// ---- weapon hits on ぽに ----

class WeaponHitsTest : public GameFixture {};

TEST_F(WeaponHitsTest, OneBalkanShotDestroysEveryPoniItOverlaps) {
    PlacePoni(0, 100, 40);
    PlacePoni(3, 105, 45);
    PlacePoni(4, 150, 40);  // out of reach
    PlaceBalkan(2, 95, 50);
    Check_WeaponHits();
    EXPECT_EQ(PoniTable[0].Active, 0);
    EXPECT_EQ(PoniTable[3].Active, 0);
    EXPECT_EQ(PoniTable[4].Active, -1);
    EXPECT_EQ(BalkanShot[2].Active, 0);
    EXPECT_EQ(gameScore, 40);
    EXPECT_EQ(gameHasKilled, -1);
    EXPECT_EQ(CountActive(BlastTable), 2);
    // Each explosion is centred on its ぽに.
    EXPECT_EQ(BlastTable[0].X, 108 - 48);
    EXPECT_EQ(BlastTable[1].X, 113 - 48);
    EXPECT_EQ(BlastTable[1].Y, 53 - 48);
}

TEST_F(WeaponHitsTest, BalkanTakesThePoniBeforeTheSonicSeesIt) {
    PlacePoni(0, 100, 40);
    PlaceBalkan(0, 100, 45);
    PlaceSonic(98, 40, 10, 12);
    Check_WeaponHits();
    EXPECT_EQ(PoniTable[0].Active, 0);
    EXPECT_EQ(BalkanShot[0].Active, 0);
    EXPECT_EQ(Sonic.Energy, 12);
    EXPECT_EQ(gameScore, 20);
}

TEST_F(WeaponHitsTest, EdgesThatOnlyTouchDoNotHit) {
    PlacePoni(0, 100, 40);  // covers x 100..115, y 40..55
    const struct {
        int16_t x, y;
        bool hit;
    } cases[] = {
        {88, 45, false},  // shot's right edge on the ぽに's left edge
        {89, 45, true},
        {116, 45, false},
        {115, 45, true},
        {100, 39, false},  // one row above
        {100, 40, true},
        {100, 56, false},  // just below
        {100, 55, true},
    };
    for (const auto& c : cases) {
        PlacePoni(0, 100, 40);
        PlaceBalkan(0, c.x, c.y);
        Check_WeaponHits();
        EXPECT_EQ(PoniTable[0].Active == 0, c.hit) << "shot at " << c.x << "," << c.y;
    }
}

TEST_F(WeaponHitsTest, SonicPaysEightEnergyPerPoniAndStaysOutUntilItsNextMove) {
    PlacePoni(1, 100, 20);
    PlacePoni(2, 100, 60);
    PlacePoni(5, 104, 90);
    PlacePoni(6, 100, 120);  // below the wave
    PlaceSonic(98, 30, 70, 12);  // rows 30..99
    Check_WeaponHits();
    EXPECT_EQ(PoniTable[1].Active, 0);
    EXPECT_EQ(PoniTable[2].Active, 0);
    EXPECT_EQ(PoniTable[5].Active, 0);
    EXPECT_EQ(PoniTable[6].Active, -1);
    EXPECT_EQ(Sonic.Energy, 12 - 24);
    EXPECT_EQ(Sonic.Active, -1);
    EXPECT_EQ(gameScore, 60);
    Move_Shots();
    EXPECT_EQ(Sonic.Active, 0);
    EXPECT_EQ(Sonic.X, 98);
}

TEST_F(WeaponHitsTest, LaserBeamsDestroyWhatTheyCrossButSpareTheGap) {
    Player.MainWeapon = 3;
    Player.Power[3] = 1;
    Fire_Laser();  // X 56, width 32; beams on rows 92..95 and 144..147
    PlacePoni(0, 60, 80);   // reaches into the upper beam
    PlacePoni(1, 60, 100);  // in the gap between the beams
    PlacePoni(2, 60, 147);  // last row of the lower beam
    PlacePoni(3, 88, 90);   // just right of the beams
    PlacePoni(4, 41, 140);  // one column over the left edge
    Check_WeaponHits();
    EXPECT_EQ(PoniTable[0].Active, 0);
    EXPECT_EQ(PoniTable[1].Active, -1);
    EXPECT_EQ(PoniTable[2].Active, 0);
    EXPECT_EQ(PoniTable[3].Active, -1);
    EXPECT_EQ(PoniTable[4].Active, 0);
    EXPECT_EQ(Laser.Active, -1);
    EXPECT_EQ(gameScore, 60);
}

TEST_F(WeaponHitsTest, InactiveWeaponsAndFreeSlotsAreIgnored) {
    PlacePoni(0, 100, 40);
    PlaceBalkan(0, 100, 45);
    BalkanShot[0].Active = 0;
    PlaceSonic(100, 40, 10, 12);
    Sonic.Active = 0;
    PoniTable[1] = PoniTable[0];
    PoniTable[1].Active = 0;
    Check_WeaponHits();
    EXPECT_EQ(PoniTable[0].Active, -1);
    EXPECT_EQ(gameScore, 0);
    EXPECT_EQ(gameHasKilled, 0);
}

TEST_F(WeaponHitsTest, DestructionWithAFullBlastTableIsStillHandledInFull) {
    for (int i = 0; i < 128; ++i) Spawn_Blast(10, 10);
    for (auto& item : ItemTable) item.Active = -1;  // a dropped item would be lost too
    PlacePoni(0, 100, 40);
    const uint64_t draws = platform::RndCount();
    Destroy_Poni(0);
    EXPECT_EQ(PoniTable[0].Active, 0);
    EXPECT_EQ(gameScore, 20);
    EXPECT_EQ(gameHasKilled, -1);
    // No sheet drawn for the explosion that is not shown; the item roll is drawn all the same.
    EXPECT_EQ(platform::RndCount(), draws + 1);
}

// Waits on the items: Drop_Item must place an item.
TEST_F(WeaponHitsTest, ItemRollFollowsTheExplosionsDrawAndTheMainWeaponsPower) {
    for (const int16_t power : {0, 1, 8}) {
        Player.Power[1] = power;
        int expected = 0, dropped = 0;
        for (uint64_t seed = 1; seed <= 200; ++seed) {
            for (auto& item : ItemTable) item.Active = 0;
            for (auto& b : BlastTable) b.Active = 0;
            platform::Randomize(seed);
            const double rSheet = platform::Rnd(), rItem = platform::Rnd();
            platform::Randomize(seed);
            PlacePoni(0, 100, 40);
            Destroy_Poni(0);
            ASSERT_EQ(BlastTable[0].Sheet, platform::Int(rSheet * 5));
            const bool drop = platform::Int(rItem * power * 2) == 0;
            expected += drop;
            dropped += CountActive(ItemTable);
            ASSERT_EQ(CountActive(ItemTable), drop ? 1 : 0) << "power " << power << " seed " << seed;
            if (drop) {
                EXPECT_EQ(ItemTable[0].X, 108 - 8);
                EXPECT_EQ(ItemTable[0].Y, 48 - 8);
            }
        }
        EXPECT_EQ(dropped, expected);
        if (power == 0) {
            EXPECT_EQ(dropped, 200);
        } else if (power == 1) {
            EXPECT_GT(dropped, 60);  // one in two, about 100
        } else {
            EXPECT_LT(dropped, 40);  // one in sixteen, about 12
        }
    }
}
