// The ぽに: the frame-keyed schedule, how a new one enters, and when one leaves the field.
#include "support/GameFixture.h"

#include "enemies/Boss.h"
#include "enemies/Waves.h"
#include "platform/Random.h"

#include <set>
#include <vector>

using namespace glbMain;

class WavesTest : public GameFixture {
protected:
    void ClearPonis() {
        for (int i = 0; i < 18; ++i) Remove_Poni(i);
    }
    // Whether the schedule brings a ぽに in frame n, on an empty table.
    bool SpawnsAt(int32_t n) {
        ClearPonis();
        gameFrame = n;
        Schedule_Waves();
        return CountActive(PoniTable) == 1;
    }
    void SpawnAt(int32_t n) {
        gameFrame = n;
        Spawn_Poni();
    }
};

// ---- the schedule ----

TEST_F(WavesTest, FirstPoniComesInFrame150ThenEveryThirtyFrames) {
    std::vector<int32_t> frames;
    for (int32_t n = 0; n <= 240; ++n)
        if (SpawnsAt(n)) frames.push_back(n);
    EXPECT_EQ(frames, (std::vector<int32_t>{150, 180, 210, 240}));
}

TEST_F(WavesTest, WholeWavePartBringsSevenHundredSixtyTwoPonis) {
    // 62 + 100 + 200 + 67 + 100 + 133 + 100 by band; none from 13000 to 13399.
    int total = 0, quiet = 0;
    for (int32_t n = 0; n < 13400; ++n) {
        const bool spawned = SpawnsAt(n);
        total += spawned;
        if (n >= 13000) quiet += spawned;
    }
    EXPECT_EQ(total, 762);
    EXPECT_EQ(quiet, 0);
    EXPECT_EQ(BossPhase, 0);
}

// Waits on the boss: Start_Boss must set BossPhase.
TEST_F(WavesTest, Frame13400HandsOverToTheBossAndNoPoniFollows) {
    EXPECT_FALSE(SpawnsAt(13400));
    EXPECT_NE(BossPhase, 0);
    EXPECT_FALSE(SpawnsAt(150));
}

// Waits on the boss, like the test above.
TEST_F(WavesTest, ANegativeFrameCounterAlsoStartsTheBoss) {
    EXPECT_FALSE(SpawnsAt(-30));
    EXPECT_NE(BossPhase, 0);
}

TEST_F(WavesTest, FullTableLosesTheTickAndTheNextComesAtTheNextMultiple) {
    for (int i = 0; i < 18; ++i) SpawnAt(150);
    ASSERT_EQ(CountActive(PoniTable), 18);
    const uint64_t draws = platform::RndCount();
    gameFrame = 180;
    Schedule_Waves();
    EXPECT_EQ(platform::RndCount(), draws);  // nothing drawn for a lost tick
    Remove_Poni(5);
    for (gameFrame = 181; gameFrame < 210; ++gameFrame) Schedule_Waves();
    EXPECT_EQ(PoniTable[5].Active, 0);
    Schedule_Waves();  // frame 210
    EXPECT_EQ(PoniTable[5].Active, -1);
}

// ---- Spawn_Poni ----

TEST_F(WavesTest, NewPoniTakesTheLowestFreeSlot) {
    SpawnAt(150), SpawnAt(150), SpawnAt(150);
    Remove_Poni(1);
    SpawnAt(150);
    EXPECT_EQ(CountActive(PoniTable), 3);
    EXPECT_EQ(PoniTable[1].Active, -1);
    EXPECT_EQ(PoniTable[3].Active, 0);
}

TEST_F(WavesTest, SpeedIsDrawnBeforeTheRow) {
    platform::Randomize(99);
    const double rSpeed = platform::Rnd(), rRow = platform::Rnd();
    platform::Randomize(99);
    SpawnAt(150);
    EXPECT_EQ(PoniTable[0].Vx, -(platform::Int(rSpeed * 4) + 1));
    EXPECT_EQ(PoniTable[0].Y, platform::Int(rRow * 224));
    EXPECT_EQ(platform::RndCount(), 2u);
}

TEST_F(WavesTest, BeforeFrame6000EveryPoniEntersRightAndFliesLeft) {
    std::set<int> speeds;
    for (int k = 0; k < 400; ++k) {
        ClearPonis();
        SpawnAt(150 + 30 * (k % 190));
        const auto& p = PoniTable[0];
        speeds.insert(p.Vx);
        EXPECT_EQ(p.X, 320);
        EXPECT_GE(p.Y, 0);
        EXPECT_LE(p.Y, 223);
        EXPECT_EQ(p.Width, 16);
        EXPECT_EQ(p.Height, 16);
    }
    EXPECT_EQ(speeds, (std::set<int>{-4, -3, -2, -1}));
}

TEST_F(WavesTest, FromFrame6000PonisComeFromBothSidesAndNeverStandStill) {
    std::set<int> speeds;
    for (int k = 0; k < 400; ++k) {
        ClearPonis();
        SpawnAt(6000 + 10 * k);
        const auto& p = PoniTable[0];
        speeds.insert(p.Vx);
        EXPECT_EQ(p.X, p.Vx > 0 ? -1 : 320) << "Vx " << p.Vx;
    }
    EXPECT_EQ(speeds, (std::set<int>{-4, -3, -2, -1, 1, 2, 3, 4}));
}

TEST_F(WavesTest, SlotFreedByARamHandsItsFireWaitOn) {
    PoniTable[0].FireWait = 7;  // a ram clears only Active
    SpawnAt(150);
    EXPECT_EQ(PoniTable[0].FireWait, 7);
    Remove_Poni(0);
    EXPECT_EQ(PoniTable[0].FireWait, 0);
}

// ---- Move_Ponis ----

TEST_F(WavesTest, PonisLeaveOnlyWhenFullyOffTheField) {
    PoniTable[0] = {-1, -1, -14, 50, 16, 16, 0};  // to -15: one column still in
    PoniTable[1] = {-1, -1, -15, 50, 16, 16, 0};  // to -16: gone
    PoniTable[2] = {-1, 4, 315, 50, 16, 16, 0};   // to 319
    PoniTable[3] = {-1, 4, 316, 50, 16, 16, 0};   // to 320: gone
    PoniTable[4] = {0, 4, 100, 50, 16, 16, 0};    // free slots do not move
    Move_Ponis();
    EXPECT_EQ(PoniTable[0].Active, -1);
    EXPECT_EQ(PoniTable[0].X, -15);
    EXPECT_EQ(PoniTable[1].Active, 0);
    EXPECT_EQ(PoniTable[2].Active, -1);
    EXPECT_EQ(PoniTable[2].X, 319);
    EXPECT_EQ(PoniTable[3].Active, 0);
    EXPECT_EQ(PoniTable[4].X, 100);
}


TEST_F(WavesTest, HardModeFliesTheSameWaves) {
    // The whole wave part of a game, once per mode from the same seed: same ぽに, same draws.
    auto play = [this](int16_t mode) {
        Reset_World();
        glbSystem::cfgHardMode = mode;
        platform::Randomize(99);
        std::vector<int> seen;
        for (int32_t n = 0; n < 13400; ++n) {
            gameFrame = n;
            Schedule_Waves();
            Move_Ponis();
            for (const auto& p : PoniTable)
                if (p.Active) seen.push_back(p.Vx * 1000 + p.Y);
        }
        seen.push_back(static_cast<int>(platform::RndCount()));
        return seen;
    };
    const auto normal = play(0);
    EXPECT_EQ(play(1), normal);
    EXPECT_GT(normal.size(), 1000u);
}
