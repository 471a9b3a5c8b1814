// Whole games played headless through Run_Game, from the first frame to the end boxes.
#include <set>
#include <string>

#include "enemies/EnemyFire.h"
#include "game/Keys.h"
#include "player/Player.h"
#include "support/GameFixture.h"

using namespace glbMain;
using platform::ShownBox;

namespace {

const std::set<std::string> kGameOverTexts = {
    "ぽにに侵食された…",
    "殺された…",
    "死んでしまった…",
    "あなたは、絶命しました。",
    "あなたは、志し半ばで力尽きました。",
    "あなたは、宇宙の藻屑と消えました。",
    "ふはははは！！ 残念だったな！",
    "一生狩ってろ！！",
    "だったらやめやがれ！！",
    "ヘタクソが！！ 出直して来い！",
    "その程度の力ではガルモに会うことすらできまい！",
    "その程度の力ではガルモは倒せまい！",
    "ヒマ人め！ ゲームしかすることはないのか？！",
};

class WholeGameTest : public GameFixture {
protected:
    // Plays one game; a game that will not end is abandoned so the test fails instead of hanging.
    glbSystem::RankRecord Play() {
        auto script = host.onEvents;
        host.onEvents = [this, script] {
            if (script) script();
            if (gamePass > 30000 && !gameQuit) Form_KeyPress(27);
        };
        // The frame in which each box appeared, and the music command before it.
        host.onBox = [this](const ShownBox&) {
            boxFrames.push_back(gameFrame);
            mediaAtBox.push_back(host.media.empty() ? "" : host.media.back());
        };
        glbSystem::RankRecord result;
        Run_Game(result);
        return result;
    }
    void ExpectGameOverEnding() {
        ASSERT_EQ(gameAborted, 0) << "the ship was never destroyed";
        EXPECT_EQ(Player.Alive, 0);
        ASSERT_GE(host.boxes.size(), 2u);
        const auto& last = host.boxes.back();
        const auto& before = host.boxes[host.boxes.size() - 2];
        EXPECT_EQ(before.title, "GAME OVER");
        EXPECT_TRUE(kGameOverTexts.count(before.prompt)) << before.prompt;
        EXPECT_EQ(last.title, "SCORE");
        const std::string sign = gameScore >= 0 ? " " : "";
        EXPECT_EQ(last.prompt, sign + std::to_string(gameScore) + " Points.");
        // All boxes in the frame 41 after the destruction, with the music already stopped.
        for (size_t i = 0; i < boxFrames.size(); ++i) {
            EXPECT_EQ(boxFrames[i], Player.DeathFrame + 41);
            EXPECT_EQ(mediaAtBox[i], "Stop");
        }
        // That frame was finished: the counter moved on once more, and no frame followed.
        EXPECT_EQ(gameFrame, Player.DeathFrame + 42);
    }

    std::vector<int32_t> boxFrames;
    std::vector<std::string> mediaAtBox;
};

TEST_F(WholeGameTest, IdleShipIsDestroyedAndTheResultRecorded) {
    host.timeOfDay = "9:05:07";
    host.today = 45500;
    const auto result = Play();
    ExpectGameOverEnding();
    // An empty ranking never gives a special text.
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].prompt, "ぽにに侵食された…");
    EXPECT_EQ(host.boxes[1].prompt, " 0 Points.");
    EXPECT_FALSE(window.loaded);

    EXPECT_EQ(result.Used, -1);
    EXPECT_EQ(result.Name, std::string(20, ' '));
    EXPECT_EQ(result.Score, 0);
    EXPECT_EQ(result.Mode, 0);
    EXPECT_EQ(result.Clear, 0);
    EXPECT_EQ(result.Date, 45500);
    EXPECT_EQ(result.Time, " 9:05:07");
}

TEST_F(WholeGameTest, ShieldedShooterInHardModeLastsIntoEnemyFire) {
    glbSystem::cfgHardMode = 1;
    for (auto& row : glbSystem::RankData) row.Used = -1;
    host.timeOfDay = "19:05:07";
    int step = 0;
    bool bulletsSeen = false;
    host.onEvents = [&] {
        // Pause, take the debugging shield with F9, go on.
        if (step == 0) {
            Form_KeyDown(platform::VK_CONTROL);
            step = 1;
        } else if (step == 1 && gameInHold) {
            Form_KeyUp(platform::VK_F9);
            Form_KeyDown(platform::VK_CONTROL);
            step = 2;
        }
        // Fire all the time and sweep up and down the field.
        host.Hold(platform::VK_SPACE);
        const bool up = (gamePass / 80) % 2 == 0;
        host.Hold(platform::VK_UP, up);
        host.Hold(platform::VK_DOWN, !up);
        for (const auto& b : EnemyBalkanTable) bulletsSeen = bulletsSeen || b.Active;
    };
    const auto result = Play();
    ExpectGameOverEnding();
    EXPECT_TRUE(bulletsSeen);
    EXPECT_GT(Player.DeathFrame, 3000);
    // The shield took hits (each with its alert) and was gone before the end.
    EXPECT_GT(host.beeps, 0);
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_GT(gameScore, 0);
    EXPECT_EQ(result.Used, -1);
    EXPECT_EQ(result.Score, gameScore);
    EXPECT_EQ(result.Mode, 1);
    EXPECT_EQ(result.Clear, 0);
    EXPECT_EQ(result.Time, "19:05:07");
}

} // namespace
