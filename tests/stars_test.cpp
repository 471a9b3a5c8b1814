// The star field and the debugging explosion shower.
#include <cstdint>

#include "draw/Draw.h"
#include "enemies/Blasts.h"
#include "game/glbMain.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Stars.h"
#include "support/GameFixture.h"

using namespace glbMain;
using platform::Int;
using platform::Rnd;
using platform::RndCount;

namespace {
void FillStars() {
    for (auto& star : Star) star = {platform::True, -5, 100, 100};
}
} // namespace

using StarSetup = GameFixture;

TEST_F(StarSetup, StarsOnDrawOneNumberPerSlotAndThreeMorePerStar) {
    for (uint64_t seed : {1u, 2u, 99u}) {
        platform::Randomize(seed);
        Setup_Stars();
        const int stars = CountActive(Star);
        EXPECT_EQ(RndCount(), 64u + 3u * static_cast<uint64_t>(stars)) << "seed " << seed;
        // About half the slots; 16 .. 48 holds for any fair generator with overwhelming odds.
        EXPECT_GT(stars, 16);
        EXPECT_LT(stars, 48);
        for (const auto& star : Star) {
            if (!star.Active) continue;
            EXPECT_EQ(star.Active, -1);
            EXPECT_TRUE(star.Speed >= -9 && star.Speed <= -2) << star.Speed;
            EXPECT_TRUE(star.X >= 0 && star.X <= 319) << star.X;
            EXPECT_TRUE(star.Y >= 0 && star.Y <= 239) << star.Y;
        }
    }
}

TEST_F(StarSetup, StarsOffDrawExactlyOneNumberPerSlotAndLeaveAllFree) {
    glbSystem::cfgStar = 0;
    FillStars();
    platform::Randomize(4);
    Reset_World();
    EXPECT_EQ(RndCount(), 64u);
    EXPECT_EQ(CountActive(Star), 0);
}

TEST_F(StarSetup, EachSlotTakesItsDrawsInOrderSpeedThenXThenY) {
    // Replays the generator by hand: a slot's first draw decides, the next three are its star.
    platform::Randomize(2024);
    struct Expected { int16_t active, speed, x, y; } expected[64];
    for (auto& e : expected) {
        const double r = Rnd();
        e = {0, 0, 0, 0};
        if (r >= 0.5) continue;
        e.active = -1;
        e.speed = static_cast<int16_t>(-Int(Rnd() * 8) - 2);
        e.x = static_cast<int16_t>(Int(Rnd() * 320));
        e.y = static_cast<int16_t>(Int(Rnd() * 240));
    }
    platform::Randomize(2024);
    Setup_Stars();
    for (int i = 0; i < 64; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Star[i].Active, expected[i].active);
        if (!expected[i].active) continue;
        EXPECT_EQ(Star[i].Speed, expected[i].speed);
        EXPECT_EQ(Star[i].X, expected[i].x);
        EXPECT_EQ(Star[i].Y, expected[i].y);
    }
}

using StarSpawn = GameFixture;

TEST_F(StarSpawn, OneStarPerFrameEntersTheLowestFreeSlotAtTheRightEdge) {
    FillStars();
    Star[9].Active = 0;
    Star[5].Active = 0;
    platform::Randomize(77);
    const double rSpeed = Rnd(), rRow = Rnd();
    platform::Randomize(77);
    Spawn_Stars();
    EXPECT_EQ(RndCount(), 2u);
    EXPECT_EQ(Star[5].Active, -1);
    EXPECT_EQ(Star[5].X, 320);
    EXPECT_EQ(Star[5].Speed, -Int(rSpeed * 8) - 2);
    EXPECT_EQ(Star[5].Y, Int(rRow * 240));
    EXPECT_EQ(Star[9].Active, 0);
    Spawn_Stars();
    EXPECT_EQ(Star[9].Active, -1);
    EXPECT_EQ(RndCount(), 4u);
}

TEST_F(StarSpawn, AFullFieldDrawsNothing) {
    FillStars();
    const auto before = Star;
    const uint64_t draws = RndCount();
    Spawn_Stars();
    EXPECT_EQ(RndCount(), draws);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(Star[i].Y, before[i].Y);
}

TEST_F(StarSpawn, StarsOffSpawnAndMoveNothing) {
    glbSystem::cfgStar = 0;
    Star[0] = {platform::True, -9, 5, 10};  // left over from an earlier game
    Star[1].Active = 0;
    const uint64_t draws = RndCount();
    Spawn_Stars();
    Move_Stars();
    EXPECT_EQ(RndCount(), draws);
    EXPECT_EQ(Star[0].X, 5);
    EXPECT_EQ(Star[1].Active, 0);
}

TEST_F(StarSpawn, TheFieldFillsUpOneStarPerFrame) {
    for (auto& star : Star) star.Active = 0;
    for (int frame = 1; frame <= 10; ++frame) {
        Spawn_Stars();
        EXPECT_EQ(CountActive(Star), frame);
    }
}

using StarMove = GameFixture;

TEST_F(StarMove, StarsMoveByTheirSpeedAndLeaveBelowZero) {
    for (auto& star : Star) star.Active = 0;
    Star[0] = {platform::True, -9, 5, 10};   // to -4: gone
    Star[1] = {platform::True, -2, 2, 11};   // to 0: still on the field
    Star[2] = {platform::True, -5, 300, 12};
    Star[3] = {0, -5, 300, 13};              // a free slot stays put
    Move_Stars();
    EXPECT_EQ(Star[0].X, -4);
    EXPECT_EQ(Star[0].Active, 0);
    EXPECT_EQ(Star[1].X, 0);
    EXPECT_EQ(Star[1].Active, -1);
    EXPECT_EQ(Star[2].X, 295);
    EXPECT_EQ(Star[3].X, 300);
    Move_Stars();
    EXPECT_EQ(Star[0].X, -4);
    EXPECT_EQ(Star[1].Active, 0);
}

using StarDraw = GameFixture;

TEST_F(StarDraw, FasterStarsAreBrighterAndReplaceThePixelBelow) {
    for (auto& star : Star) star.Active = 0;
    for (int i = 0; i < 8; ++i) Star[i] = {platform::True, static_cast<int16_t>(-9 + i), static_cast<int16_t>(10 + i), 20};
    draw::Frame.Clear(0x0000ff);  // a red background: the star must not be ORed onto it
    draw::Draw_Stars();
    const uint32_t greys[8] = {255, 230, 205, 180, 155, 130, 105, 80};
    for (int i = 0; i < 8; ++i) {
        const uint32_t g = greys[i];
        EXPECT_EQ(draw::Frame.At(10 + i, 20), 0xff000000u | g << 16 | g << 8 | g) << "speed " << -9 + i;
    }
    EXPECT_EQ(draw::Frame.At(18, 20), 0xffff0000u);
}

TEST_F(StarDraw, ANewStarIsFirstSeenOneMoveInsideTheRightEdge) {
    for (auto& star : Star) star.Active = 0;
    Spawn_Stars();
    Move_Stars();
    draw::Frame.Clear(0);
    draw::Draw_Stars();
    const int x = 320 + Star[0].Speed;
    EXPECT_TRUE(x >= 311 && x <= 318);
    EXPECT_NE(draw::Frame.At(x, Star[0].Y), 0xff000000u);
}

TEST_F(StarDraw, StarsOffPlotNothing) {
    glbSystem::cfgStar = 0;
    FillStars();
    draw::Frame.Clear(0);
    draw::Draw_Stars();
    EXPECT_EQ(draw::Frame.At(100, 100), 0xff000000u);
}

using Shower = GameFixture;

TEST_F(Shower, OffDrawsNothing) {
    const uint64_t draws = RndCount();
    Blast_Shower();
    EXPECT_EQ(RndCount(), draws);
    EXPECT_EQ(CountActive(BlastTable), 0);
}

TEST_F(Shower, ThreeExplosionsPerFrameCentredOnRandomPoints) {
    gameBlastShower = platform::True;
    // Each explosion: x over 416 columns, y over 336 rows, then its picture.
    platform::Randomize(31);
    int cx[3], cy[3], sheet[3];
    for (int i = 0; i < 3; ++i) {
        cx[i] = Int(Rnd() * 416) - 48;
        cy[i] = Int(Rnd() * 336) - 48;
        sheet[i] = Int(Rnd() * 5);
    }
    platform::Randomize(31);
    Blast_Shower();
    EXPECT_EQ(RndCount(), 9u);
    EXPECT_EQ(CountActive(BlastTable), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(BlastTable[i].X, cx[i] - 48);
        EXPECT_EQ(BlastTable[i].Y, cy[i] - 48);
        EXPECT_EQ(BlastTable[i].Sheet, sheet[i]);
    }
}

TEST_F(Shower, FillsTheTableThenDropsTheRest) {
    gameBlastShower = platform::True;
    for (int frame = 1; frame <= 42; ++frame) {
        Blast_Shower();
        ASSERT_EQ(CountActive(BlastTable), 3 * frame);
    }
    for (const auto& blast : BlastTable) {
        if (!blast.Active) continue;
        // Centres from -48 to 367 and -48 to 287: half an explosion past every edge.
        EXPECT_TRUE(blast.X >= -96 && blast.X <= 319) << blast.X;
        EXPECT_TRUE(blast.Y >= -96 && blast.Y <= 239) << blast.Y;
    }
    // Frame 43 fills the last two slots; the third explosion is dropped without a picture draw.
    uint64_t draws = RndCount();
    Blast_Shower();
    EXPECT_EQ(CountActive(BlastTable), 128);
    EXPECT_EQ(RndCount() - draws, 8u);
    draws = RndCount();
    Blast_Shower();
    EXPECT_EQ(RndCount() - draws, 6u);
    // A freed slot takes the next explosion.
    BlastTable[40].Active = 0;
    Blast_Shower();
    EXPECT_EQ(BlastTable[40].Active, -1);
}
