// A whole game, headless through Run_Game: pause, power up, shield up, warp to the boss,
// resume, and shoot ガルモ down while steering level with it.
#include "support/GameFixture.h"

#include <cstdio>
#include <string>

#include "enemies/Boss.h"
#include "game/Keys.h"
#include "platform/Platform.h"
#include "player/Player.h"

using namespace glbMain;
using namespace platform;

namespace {
// A game that has not ended by now is stuck; Esc ends it so the test fails instead of hanging.
constexpr int64_t kPassLimit = 20000;
} // namespace

class BossGameTest : public GameFixture {
protected:
    // Keep the ship level with the boss's centre and well to its left.
    void Steer() {
        const bool aim = BossPresent && Player.Alive;
        const int shipCentre = Player.Y + Player.Height / 2;
        const int bossCentre = BossY + BossHeight / 2;
        host.Hold(VK_DOWN, aim && shipCentre < bossCentre - 2);
        host.Hold(VK_UP, aim && shipCentre > bossCentre + 2);
        host.Hold(VK_LEFT, aim && Player.X > BossX - 80);
        host.Hold(VK_RIGHT, aim && Player.X < BossX - 140);
    }

    void Script() {
        switch (stage) {
        case 0:  // after the first frame
            Form_KeyDown(VK_CONTROL);
            stage = 1;
            return;
        case 1:
            if (!gameInHold) return;
            Form_KeyUp(VK_F8);
            Form_KeyUp(VK_F9);
            Form_KeyUp(VK_F11);
            Form_KeyDown(VK_CONTROL);
            stage = 2;
            return;
        default:
            if (BossPhase && !entryScore) entryScore = gameScore;
            if (gamePass > kPassLimit && !gameQuit) Form_KeyPress(27);
            Steer();
        }
    }

    int stage = 0;
    int32_t entryScore = 0;
};

TEST_F(BossGameTest, WarpToTheBossAndDestroyIt) {
    host.Hold(VK_SPACE);
    host.onEvents = [this] { Script(); };
    glbSystem::RankRecord result;
    Run_Game(result);

    ASSERT_FALSE(gameAborted) << "no end after " << gamePass << " passes, boss HP " << BossHP;
    EXPECT_EQ(entryScore, 10000) << "the warp withholds the big entry bonus";
    EXPECT_EQ(BossPhase, -1);
    EXPECT_EQ(BossPresent, 0);
    EXPECT_EQ(Player.Alive, -1);
    EXPECT_EQ(gameFrame, BossDownFrame + 42) << "the end comes in the 41st frame after, then the counter steps";

    // Entry and closing bonuses, plus 10 for each rocket the Laser caught.
    EXPECT_GE(gameScore, 110000);
    EXPECT_EQ((gameScore - 110000) % 10, 0);

    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].title, "Mission Completed !!");
    EXPECT_EQ(host.boxes[0].prompt, "おめでとう！！\r\nぽにのボス ガルモ を殺しました。");
    EXPECT_EQ(host.boxes[1].title, "SCORE");
    EXPECT_EQ(host.boxes[1].prompt, " " + std::to_string(gameScore) + " Points.");

    EXPECT_EQ(result.Used, -1);
    EXPECT_EQ(result.Score, gameScore);
    EXPECT_EQ(result.Clear, -1);
    EXPECT_EQ(result.Mode, 0);
    std::printf("boss destroyed at fight frame %d after %lld passes, score %d, shield left %d\n",
                BossDownFrame - 13400, static_cast<long long>(gamePass), gameScore, Player.Shield);
}
