// The end of a game: the delays, the boxes and what they say, the odds of the rarer texts.
#include <map>
#include <string>

#include "enemies/Boss.h"
#include "game/EndScreens.h"
#include "game/Keys.h"
#include "player/Player.h"
#include "support/GameFixture.h"

using namespace glbMain;
using platform::ShownBox;

namespace {

const std::string kCommon = "ぽにに侵食された…";
const std::string kQuestion = "ぽにを狩って楽しいですか？";

class EndScreensTest : public GameFixture {
protected:
    // Ranking rows 0..top in use; top -1 leaves it empty.
    static void FillRanking(int top) {
        for (int row = 0; row < 6; ++row) glbSystem::RankData[row].Used = row <= top ? -1 : 0;
    }
    // A seed whose first draw makes a full ranking's game over special and whose second
    // draw picks text k: special when Int(r * 2) = 0, text Int(r * 8) + 1.
    static void SeedForText(int k) {
        for (uint64_t seed = 1;; ++seed) {
            platform::Randomize(seed);
            const double r1 = platform::Rnd();
            const double r2 = platform::Rnd();
            if (r1 < 0.5 && static_cast<int>(r2 * 8) + 1 == k) {
                platform::Randomize(seed);
                return;
            }
        }
    }
    void ShowText(int k) {
        FillRanking(5);
        SeedForText(k);
        Show_GameOver();
    }
    void ExpectBox(size_t i, const std::string& title, const std::string& prompt, int buttons) {
        ASSERT_LT(i, host.boxes.size());
        EXPECT_EQ(host.boxes[i].title, title);
        EXPECT_EQ(host.boxes[i].prompt, prompt);
        EXPECT_EQ(host.boxes[i].buttons, buttons);
    }
    void StopThenBoxes() {
        // The music is stopped before the first box appears.
        host.onBox = [this](const ShownBox&) {
            ASSERT_FALSE(host.media.empty());
            EXPECT_EQ(host.media.back(), "Stop");
        };
    }
};

// ---- the delays -----------------------------------------------------------------------------

TEST_F(EndScreensTest, GameOverComes41FramesAfterTheShipsDestruction) {
    StopThenBoxes();
    Player.Alive = 0;
    Player.DeathFrame = 700;
    for (gameFrame = 700; gameFrame <= 740; ++gameFrame) {
        Check_Clear();
        Check_GameOver();
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(gameQuit, 0);
    gameFrame = 741;
    Check_GameOver();
    ASSERT_EQ(host.boxes.size(), 2u);
    ExpectBox(0, "GAME OVER", kCommon, platform::MB_OK);
    ExpectBox(1, "SCORE", " 0 Points.", platform::MB_OK);
    EXPECT_EQ(gameQuit, -1);
    // Once over, it stays over.
    gameFrame = 742;
    Check_GameOver();
    EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(EndScreensTest, MissionCompletedComes41FramesAfterTheBossFalls) {
    StopThenBoxes();
    gameScore = 25430;
    BossPhase = -1;
    BossPresent = 0;
    BossDownFrame = 14000;
    gameFrame = 14040;
    Check_Clear();
    EXPECT_TRUE(host.boxes.empty());
    gameFrame = 14041;
    Check_Clear();
    ASSERT_EQ(host.boxes.size(), 2u);
    ExpectBox(0, "Mission Completed !!", "おめでとう！！\r\nぽにのボス ガルモ を殺しました。", platform::MB_OK);
    ExpectBox(1, "SCORE", " 25430 Points.", platform::MB_OK);
    EXPECT_EQ(gameQuit, -1);
}

TEST_F(EndScreensTest, NoClearWhileTheBossIsThereOrBeforeItCame) {
    gameFrame = 20000;
    BossDownFrame = 0;
    BossPhase = -1;
    BossPresent = -1;
    Check_Clear();
    BossPhase = 0;
    BossPresent = 0;
    Check_Clear();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(gameQuit, 0);
}

TEST_F(EndScreensTest, NoClearBoxesForAGameAbandonedInTheSameFrame) {
    // Esc inside the pause hold of the frame in which the clear falls due: the game ends with
    // no result, so it must not announce one either.
    BossPhase = -1;
    BossPresent = 0;
    BossDownFrame = 14000;
    gameFrame = 14041;
    Form_KeyPress(27);
    Check_Clear();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(gameAborted, -1);
}

TEST_F(EndScreensTest, NoGameOverWhileTheShipLives) {
    gameFrame = 5000;
    Player.DeathFrame = 0;
    Check_GameOver();
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(EndScreensTest, BothDelaysEndingTogetherCountAsCleared) {
    Player.Alive = 0;
    Player.DeathFrame = 13950;
    BossPhase = -1;
    BossPresent = 0;
    BossDownFrame = 13950;
    gameFrame = 13991;
    Check_Clear();
    Check_GameOver();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].title, "Mission Completed !!");
    EXPECT_EQ(host.boxes[1].title, "SCORE");
    glbSystem::RankRecord result;
    Make_Result(result);
    EXPECT_EQ(result.Clear, -1);
}

// ---- the score box --------------------------------------------------------------------------

TEST_F(EndScreensTest, ScoreHasABlankOrAMinusInFront) {
    const struct { int32_t score; const char* prompt; } cases[] = {
        {0, " 0 Points."},
        {50, " 50 Points."},
        {-30, "-30 Points."},
        {1234560, " 1234560 Points."},  // shown before the result's cap
    };
    for (const auto& c : cases) {
        host.boxes.clear();
        gameScore = c.score;
        Show_Score();
        ASSERT_EQ(host.boxes.size(), 1u);
        ExpectBox(0, "SCORE", c.prompt, platform::MB_OK);
    }
}

// ---- the game-over texts --------------------------------------------------------------------

TEST_F(EndScreensTest, EveryTextExactly) {
    const char* const texts[] = {
        "殺された…",
        "死んでしまった…",
        "あなたは、絶命しました。",
        "あなたは、志し半ばで力尽きました。",
        "あなたは、宇宙の藻屑と消えました。",
        "ふはははは！！ 残念だったな！",
    };
    for (int k = 1; k <= 6; ++k) {
        host.boxes.clear();
        ShowText(k);
        ASSERT_EQ(host.boxes.size(), 1u) << "text " << k;
        ExpectBox(0, "GAME OVER", texts[k - 1], platform::MB_OK);
    }
    host.boxes.clear();
    FillRanking(-1);
    Show_GameOver();
    ExpectBox(0, "GAME OVER", kCommon, platform::MB_OK);
}

TEST_F(EndScreensTest, TauntDependsOnTheScore) {
    const struct { int32_t score; const char* text; } cases[] = {
        {-50, "ヘタクソが！！ 出直して来い！"},
        {99, "ヘタクソが！！ 出直して来い！"},
        {100, "その程度の力ではガルモに会うことすらできまい！"},
        {999, "その程度の力ではガルモに会うことすらできまい！"},
        {1000, "その程度の力ではガルモは倒せまい！"},
        {9999, "その程度の力ではガルモは倒せまい！"},
        {10000, "ヒマ人め！ ゲームしかすることはないのか？！"},
        {1500000, "ヒマ人め！ ゲームしかすることはないのか？！"},
    };
    for (const auto& c : cases) {
        host.boxes.clear();
        gameScore = c.score;
        ShowText(8);
        ASSERT_EQ(host.boxes.size(), 1u) << c.score;
        ExpectBox(0, "GAME OVER", c.text, platform::MB_OK);
    }
}

TEST_F(EndScreensTest, TheJudgementAnswersYesAndNo) {
    const struct { int answer; const char* reply; } cases[] = {
        {platform::IDYES, "一生狩ってろ！！"},
        {platform::IDNO, "だったらやめやがれ！！"},
    };
    for (const auto& c : cases) {
        host.boxes.clear();
        host.answers = {c.answer};
        ShowText(7);
        ASSERT_EQ(host.boxes.size(), 2u);
        ExpectBox(0, "審判", kQuestion, platform::MB_YESNO);
        ExpectBox(1, "GAME OVER", c.reply, platform::MB_OK);
    }
}

// ---- the odds -------------------------------------------------------------------------------

TEST_F(EndScreensTest, EmptyRankingNeverGivesASpecialText) {
    platform::Randomize(99);
    for (int i = 0; i < 500; ++i) {
        host.boxes.clear();
        const auto before = platform::RndCount();
        Show_GameOver();
        EXPECT_EQ(platform::RndCount() - before, 1u);
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].prompt, kCommon);
    }
}

struct Tally {
    int games = 0;
    int special = 0;
    std::map<std::string, int> texts;
};

TEST_F(EndScreensTest, SpecialChanceGrowsWithTheHighestUsedRow) {
    // Expected share of special game overs by the highest used row: 1/7 for the bottom row
    // alone up to 1/2 with every place taken.
    const struct { int top; double share; } cases[] = {
        {0, 1.0 / 7}, {1, 1.0 / 6}, {2, 1.0 / 5}, {3, 1.0 / 4}, {4, 1.0 / 3}, {5, 1.0 / 2},
    };
    platform::Randomize(20240601);
    for (const auto& c : cases) {
        FillRanking(c.top);
        Tally t;
        for (; t.games < 20000; ++t.games) {
            host.boxes.clear();
            const auto before = platform::RndCount();
            Show_GameOver();
            const bool special = host.boxes[0].prompt != kCommon;
            // A second draw only for a special game over.
            ASSERT_EQ(platform::RndCount() - before, special ? 2u : 1u);
            if (special) ++t.special, ++t.texts[host.boxes[0].prompt];
        }
        EXPECT_NEAR(double(t.special) / t.games, c.share, 0.012) << "top row " << c.top;
        if (c.top == 5) {
            // Eight texts, each about an eighth of the specials (the question counts once).
            ASSERT_EQ(t.texts.size(), 8u);
            for (const auto& [text, count] : t.texts)
                EXPECT_NEAR(double(count) / t.special, 1.0 / 8, 0.02) << text;
        }
    }
}

TEST_F(EndScreensTest, OnlyTheHighestUsedRowCounts) {
    // Row 5 alone in use counts as a full ranking: half the game overs are special.
    glbSystem::RankData[5].Used = -1;
    platform::Randomize(7);
    int special = 0;
    for (int i = 0; i < 10000; ++i) {
        host.boxes.clear();
        Show_GameOver();
        if (host.boxes[0].prompt != kCommon) ++special;
    }
    EXPECT_NEAR(special / 10000.0, 0.5, 0.02);
}

} // namespace
