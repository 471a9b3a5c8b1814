// The game flow: world reset, the result record, screen flashes, the window's keys, the
// pause hold and the frame pacing, played through the real frame loop on a scripted host.
#include <climits>
#include <functional>

#include "support/GameFixture.h"

#include "enemies/Boss.h"
#include "game/Bgm.h"
#include "game/Keys.h"
#include "player/Player.h"

using namespace glbMain;
using namespace platform;

class FlowTest : public GameFixture {
protected:
    // Plays a game, calling act(pass) whenever the loop lets events through; Esc after `passes`.
    void Play(int passes, const std::function<void(int64_t)>& act = nullptr) {
        host.onEvents = [this, passes, act] {
            if (act) act(gamePass);
            if (gamePass >= passes && !gameQuit) Form_KeyPress(27);
        };
        Run_Game(result);
        host.onEvents = nullptr;
    }
    glbSystem::RankRecord result;
};

TEST_F(FlowTest, ResetClearsTheLastGame) {
    gameScore = 500;
    gameFrame = 900;
    gameHasKilled = True;
    gameBlastShower = True;
    gamePaused = True;
    gameBackColor = 255;
    Player.Alive = 0;
    Player.Shield = 5;
    Reset_World();
    EXPECT_EQ(gameScore, 0);
    EXPECT_EQ(gameFrame, 0);
    EXPECT_EQ(gameHasKilled, 0);
    EXPECT_EQ(gameBlastShower, 0);
    EXPECT_EQ(gamePaused, 0);
    EXPECT_EQ(gameQuit, 0);
    EXPECT_EQ(Player.Alive, -1);
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(bgmNewTrack, -1);
    EXPECT_TRUE(window.loaded);
    EXPECT_FALSE(window.visible);  // shown by Run_Game, not by the reset
}

TEST_F(FlowTest, ResultRecordCapsTheScoreAndPadsTheTime) {
    glbSystem::RankRecord r;
    gameScore = 1234560;
    glbSystem::cfgHardMode = 1;
    host.today = 45678;
    host.timeOfDay = "9:05:07";
    Make_Result(r);
    EXPECT_EQ(r.Used, -1);
    EXPECT_EQ(r.Name, std::string(20, ' '));
    EXPECT_EQ(r.Score, 999999);
    EXPECT_EQ(r.Mode, 1);
    EXPECT_EQ(r.Clear, 0);
    EXPECT_EQ(r.Date, 45678);
    EXPECT_EQ(r.Time, " 9:05:07");

    gameScore = 999999;
    host.timeOfDay = "19:05:07";
    BossPhase = True;
    BossPresent = False;
    Make_Result(r);
    EXPECT_EQ(r.Score, 999999);
    EXPECT_EQ(r.Time, "19:05:07");
    EXPECT_EQ(r.Clear, -1);

    // A boss still on the field is no clear; the caller's 0 stays.
    glbSystem::RankRecord fresh;
    BossPresent = True;
    Make_Result(fresh);
    EXPECT_EQ(fresh.Clear, 0);
}

TEST_F(FlowTest, FlashLastsMoreThan64Milliseconds) {
    host.clock = 1000;
    Flash_Screen(255);
    EXPECT_EQ(gameBackColor, 255u);
    host.clock = 1064;
    Flash_Screen(0);
    EXPECT_EQ(gameBackColor, 255u);
    host.clock = 1065;
    Flash_Screen(0);
    EXPECT_EQ(gameBackColor, 0u);
}

TEST_F(FlowTest, FlashEndsAcrossTheClockWrap) {
    host.clock = INT32_MAX - 10;
    Flash_Screen(16777215);
    host.clock = INT32_MIN + 53;  // 64 ms later
    Flash_Screen(0);
    EXPECT_EQ(gameBackColor, 16777215u);
    host.clock = INT32_MIN + 54;
    Flash_Screen(0);
    EXPECT_EQ(gameBackColor, 0u);
}

TEST_F(FlowTest, CtrlTogglesPauseExceptWhileHidden) {
    Form_KeyDown(VK_CONTROL);
    EXPECT_EQ(gamePaused, -1);
    Form_KeyDown(VK_CONTROL);
    EXPECT_EQ(gamePaused, 0);

    Form_KeyDown(VK_RETURN);
    EXPECT_EQ(gameHidden, -1);
    EXPECT_EQ(gamePaused, -1);
    EXPECT_EQ(bgmNewTrack, -1);
    EXPECT_FALSE(window.visible);
    ASSERT_FALSE(host.media.empty());
    EXPECT_EQ(host.media.back(), "Stop");
    Form_KeyDown(VK_CONTROL);
    EXPECT_EQ(gamePaused, -1);
}

TEST_F(FlowTest, DebuggingKeysWorkOnlyWhilePaused) {
    for (int key : {VK_F7, VK_F8, VK_F9, VK_F10, VK_F11}) Form_KeyUp(key);
    EXPECT_EQ(glbSystem::cfgHardMode, 0);
    EXPECT_EQ(Player.Speed, 2);
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(gameBlastShower, 0);
    EXPECT_EQ(gameFrame, 0);

    gamePaused = True;
    Form_KeyUp(VK_F7);
    EXPECT_EQ(glbSystem::cfgHardMode, 1);
    Form_KeyUp(VK_F7);
    EXPECT_EQ(glbSystem::cfgHardMode, 0);
    Form_KeyUp(VK_F8);
    EXPECT_EQ(Player.SubWeapon, 256);
    Form_KeyUp(VK_F9);
    EXPECT_EQ(Player.Shield, 512);
    Form_KeyUp(VK_F10);
    EXPECT_EQ(gameBlastShower, -1);
    Form_KeyUp(VK_F11);
    EXPECT_EQ(gameFrame, 13400);
    EXPECT_EQ(gameHasKilled, -1);
    // Key-down events of the same keys do nothing.
    Form_KeyDown(VK_F7);
    EXPECT_EQ(glbSystem::cfgHardMode, 0);
}

TEST_F(FlowTest, EscAbandonsButNeverAfterTheEndBoxes) {
    Form_KeyPress(27);
    EXPECT_EQ(gameQuit, -1);
    EXPECT_EQ(gameAborted, -1);
    EXPECT_EQ(host.media.back(), "Stop");

    Reset_World();
    host.media.clear();
    gameQuit = True;  // as the end checks leave it
    Form_KeyPress(27);
    EXPECT_EQ(gameAborted, 0);
    EXPECT_TRUE(host.media.empty());
}

TEST_F(FlowTest, PauseCaptionShowsTheScore) {
    EXPECT_EQ(kPauseCaption.Arg(1230).Japanese(), "PAUSE : Score 1230 Points.");
    EXPECT_EQ(kPauseCaption.Arg(0).Japanese(), "PAUSE : Score 0 Points.");
    EXPECT_EQ(kPauseCaption.Arg(-20).Japanese(), "PAUSE : Score -20 Points.");
    EXPECT_EQ(kPauseCaption.Arg(INT32_MIN).Japanese(), "PAUSE : Score -2147483648 Points.");
    gameScore = 40;
    Update_Pause();
    EXPECT_EQ(kPauseCaption.Arg(window.pauseScore).Japanese(), "PAUSE : Score 40 Points.");
}

TEST_F(FlowTest, HoldShowsTheLabelUntilCtrl) {
    gamePaused = True;
    int turns = 0;
    bool labelShown = true;
    host.onEvents = [&] {
        labelShown = labelShown && window.pauseVisible;
        if (++turns == 3) Form_KeyDown(VK_CONTROL);
    };
    Hold_Pause();
    EXPECT_EQ(turns, 3);
    EXPECT_TRUE(labelShown);
    EXPECT_FALSE(window.pauseVisible);
    EXPECT_EQ(gamePaused, 0);
}

TEST_F(FlowTest, NoHoldWhileTheShipIsDestroyed) {
    Player.Alive = 0;
    gamePaused = True;
    host.onEvents = [] { FAIL() << "the hold must not be entered"; };
    Hold_Pause();
    EXPECT_EQ(gamePaused, -1);
}

TEST_F(FlowTest, HiddenGameNeedsF12ThenCtrl) {
    glbMain::Hide_Game();
    int turns = 0;
    host.onEvents = [&] {
        ++turns;
        if (turns == 2) Form_KeyDown(VK_CONTROL);  // ignored while hidden
        if (turns == 3) host.Hold(VK_F12);
        if (turns == 4) {
            EXPECT_TRUE(window.visible);
            EXPECT_EQ(gameHidden, 0);
            host.Hold(VK_F12, false);
            Form_KeyDown(VK_CONTROL);
        }
    };
    Hold_Pause();
    EXPECT_EQ(turns, 4);
    EXPECT_EQ(gamePaused, 0);
}

TEST_F(FlowTest, FramesLastAtLeast25MillisecondsOr15WithV) {
    Play(40);
    EXPECT_GE(gamePass, 40);
    EXPECT_EQ(host.clock, 40 * 25);  // the scripted clock jumps straight to each deadline

    host.clock = 0;
    host.Hold(VK_V);
    Play(40);
    EXPECT_EQ(host.clock, 40 * 15);
}

TEST_F(FlowTest, WithoutTheLimiterFramesDoNotWait) {
    glbSystem::cfgLimiter = 0;
    host.Hold(VK_V);
    Play(40);
    EXPECT_EQ(host.clock, 0);
}

TEST_F(FlowTest, AbandonedGameLeavesTheRecordUntouchedAndUnloadsTheWindow) {
    Play(5);
    EXPECT_EQ(gameAborted, -1);
    EXPECT_EQ(result.Used, 0);
    EXPECT_EQ(result.Score, 0);
    EXPECT_TRUE(result.Name.empty());
    EXPECT_FALSE(window.loaded);
    // The counter stops at the pass in which Esc arrived: 5 passes ran.
    EXPECT_EQ(gameFrame, 5);
}

TEST_F(FlowTest, KeysActInTheNextPass) {
    // Ctrl arrives between passes 3 and 4; pass 4 holds until Ctrl comes again.
    int64_t holdPass = -1;
    Play(8, [&](int64_t pass) {
        if (pass == 4 && !gamePaused && holdPass < 0) Form_KeyDown(VK_CONTROL);
        if (gameInHold) {
            holdPass = gamePass;
            Form_KeyDown(VK_CONTROL);
        }
    });
    EXPECT_EQ(holdPass, 4);
}
