// The music step: what reaches the media player, frame by frame and in whole scripted games.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "enemies/Boss.h"
#include "game/Bgm.h"
#include "game/Keys.h"
#include "platform/Platform.h"
#include "platform/QtMediaPlayer.h"
#include "support/GameFixture.h"

using namespace glbMain;
using Commands = std::vector<std::string>;

namespace {
const Commands kStartStage{"Close", "FileName=迎撃戦.wav", "Open", "Play"};
const Commands kStartBoss{"Close", "FileName=ボス戦.wav", "Open", "Play"};
const Commands kRewind{"Prev", "Play"};

// base + ms as the clock reads it, wrapping like the clock does.
int32_t After(int32_t base, int32_t ms) {
    return static_cast<int32_t>(static_cast<uint32_t>(base) + static_cast<uint32_t>(ms));
}

Commands Join(std::initializer_list<Commands> parts) {
    Commands all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}
} // namespace

class BgmStep : public GameFixture {
protected:
    // One music step at the given clock; returns what it sent to the player.
    Commands StepAt(int32_t clock) {
        host.clock = clock;
        host.media.clear();
        Update_Bgm();
        return host.media;
    }
};

TEST_F(BgmStep, ResetFillsTheTrackTable) {
    EXPECT_EQ(bgmTracks[0].fileName, "迎撃戦.wav");
    EXPECT_EQ(bgmTracks[0].lengthMs, 50386);
    EXPECT_EQ(bgmTracks[1].fileName, "ボス戦.wav");
    EXPECT_EQ(bgmTracks[1].lengthMs, 41508);
    EXPECT_EQ(bgmNewTrack, -1);
}

TEST_F(BgmStep, FirstStepStartsTheStageTrackOnce) {
    EXPECT_EQ(StepAt(1000), kStartStage);
    EXPECT_EQ(bgmNewTrack, 0);
    EXPECT_EQ(bgmTrack, 0);
    EXPECT_EQ(bgmStart, 1000);
    EXPECT_TRUE(StepAt(1025).empty());
}

TEST_F(BgmStep, StageTrackRewindsAtItsStoredLength) {
    StepAt(1000);
    EXPECT_TRUE(StepAt(51385).empty());
    EXPECT_EQ(StepAt(51386), kRewind);
    EXPECT_EQ(bgmStart, 51386);
    // A late frame restarts the count from its own reading.
    EXPECT_TRUE(StepAt(101771).empty());
    EXPECT_EQ(StepAt(101790), kRewind);
    EXPECT_EQ(bgmStart, 101790);
}

TEST_F(BgmStep, BossEntrySwitchesTracksOnceAndTheBossTrackLoops) {
    StepAt(0);
    // The entry sets both flags after that frame's music step.
    BossPhase = platform::True;
    bgmNewTrack = platform::True;
    EXPECT_EQ(StepAt(20000), kStartBoss);
    EXPECT_EQ(bgmTrack, 1);
    EXPECT_TRUE(StepAt(20025).empty());
    EXPECT_TRUE(StepAt(61507).empty());
    EXPECT_EQ(StepAt(61508), kRewind);
    EXPECT_TRUE(StepAt(103015).empty());
    EXPECT_EQ(StepAt(103016), kRewind);
}

TEST_F(BgmStep, LoopingSurvivesTheSignedWrapOfTheClock) {
    // Started 100 ms before 2^31: the end falls past the wrap, at -2^31 + 50285.
    StepAt(2147483547);
    EXPECT_TRUE(StepAt(-2147433364).empty());
    EXPECT_EQ(StepAt(-2147433363), kRewind);
    EXPECT_EQ(bgmStart, -2147433363);
    EXPECT_TRUE(StepAt(-2147382978).empty());
    EXPECT_EQ(StepAt(-2147382977), kRewind);
}

TEST_F(BgmStep, LoopingSurvivesTheUnsignedWrapOfTheClock) {
    // 20 s before 2^32 the reading is -20000; the track ends at 30386.
    StepAt(-20000);
    EXPECT_TRUE(StepAt(-1).empty());
    EXPECT_TRUE(StepAt(0).empty());
    EXPECT_TRUE(StepAt(30385).empty());
    EXPECT_EQ(StepAt(30386), kRewind);
}

TEST_F(BgmStep, MusicOffSendsNothingAndKeepsItsState) {
    glbSystem::cfgBgm = 0;
    bgmStart = 777;
    bgmTrack = 1;
    for (int32_t clock : {0, 50386, 100000, 2147483647, -2147483647 - 1, -1}) EXPECT_TRUE(StepAt(clock).empty());
    BossPhase = platform::True;
    EXPECT_TRUE(StepAt(5).empty());
    EXPECT_EQ(bgmNewTrack, -1);
    EXPECT_EQ(bgmStart, 777);
    EXPECT_EQ(bgmTrack, 1);
}

TEST_F(BgmStep, StateSurvivesTheNextResetAndIsReplacedByItsFirstStep) {
    StepAt(5000);
    BossPhase = platform::True;
    bgmNewTrack = platform::True;
    StepAt(6000);
    Reset_World();
    EXPECT_EQ(bgmStart, 6000);
    EXPECT_EQ(bgmTrack, 1);
    EXPECT_EQ(StepAt(9000), kStartStage);
    EXPECT_EQ(bgmTrack, 0);
    EXPECT_EQ(bgmStart, 9000);
}

// Whole games through Run_Game: key events and clock jumps arrive where the game yields.
class BgmGame : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        host.onEvents = [this] { OnEvents(); };
    }

    // Runs a game whose clock starts at `clock`. atPass[n] runs once in the yield that follows
    // pass n - 1; holdSteps run one per yield inside the pause hold.
    void Play(int32_t clock) {
        host.clock = clock;
        glbSystem::RankRecord result{};
        Run_Game(result);
        EXPECT_TRUE(holdSteps.empty()) << "pause steps left over";
    }

    void OnEvents() {
        if (gameInHold) {
            if (holdSteps.empty()) {
                ADD_FAILURE() << "stuck in the pause hold at pass " << gamePass;
                Form_KeyPress(27);
                return;
            }
            auto step = holdSteps.front();
            holdSteps.pop_front();
            step();
            return;
        }
        if (gamePass == lastPass) return;
        lastPass = gamePass;
        if (auto it = atPass.find(gamePass); it != atPass.end()) it->second();
        if (gamePass > 200 && !gameQuit) {
            ADD_FAILURE() << "the script never ended the game";
            Form_KeyPress(27);
        }
    }

    // The clock the next pass starts at.
    void NextPassAt(int32_t clock) { host.clock = clock; }

    std::map<int64_t, std::function<void()>> atPass;
    std::deque<std::function<void()>> holdSteps;
    int64_t lastPass = -1;
};

TEST_F(BgmGame, StageLoopAcrossTheSignedWrapThenHideAndUnhide) {
    const int32_t c0 = 2147453647;  // 30 s before 2^31
    int32_t unhiddenAt = 0;
    atPass[1] = [&] { NextPassAt(After(c0, 50385)); };  // still within the track
    // Pass 2 starts 25 ms later, past the length and past 2^31: rewind.
    atPass[3] = [&] { Form_KeyDown(platform::VK_RETURN); };  // hide: "Stop"
    // Pass 3 holds while hidden: F12 shows the window, then Ctrl resumes.
    holdSteps = {
        [&] { host.clock = After(host.clock, 10000); host.Hold(platform::VK_F12); },
        [&] {
            host.Hold(platform::VK_F12, false);
            unhiddenAt = host.clock;
            Form_KeyDown(platform::VK_CONTROL);
        },
    };
    atPass[4] = [&] { NextPassAt(After(unhiddenAt, 50385)); };
    atPass[6] = [&] { Form_KeyPress(27); };
    Play(c0);

    EXPECT_EQ(host.media, Join({kStartStage, kRewind, {"Stop"}, kStartStage, kRewind, {"Stop"}}));
    EXPECT_EQ(gamePass, 6);
    // The last rewind came 50410 ms after the restart that followed the unhide.
    EXPECT_EQ(platform::ClockDiff(bgmStart, unhiddenAt), 50410);
}

TEST_F(BgmGame, BossArrivesAfterTheUnsignedWrapAndSwitchesTracksOnce) {
    const int32_t c0 = -30000;  // 30 s before 2^32
    int32_t bossStartedAt = 0;
    atPass[1] = [&] { NextPassAt(After(c0, 50386)); };  // pass 1 rewinds the stage track at 20386
    atPass[2] = [&] { Form_KeyDown(platform::VK_CONTROL); };
    // Pass 2 pauses: warp to the boss and resume; the boss enters in that pass.
    holdSteps = {[&] {
        Form_KeyUp(platform::VK_F11);
        Form_KeyDown(platform::VK_CONTROL);
    }};
    atPass[4] = [&] { bossStartedAt = bgmStart; };
    atPass[9] = [&] { NextPassAt(After(bossStartedAt, 41507)); };
    atPass[11] = [&] { Form_KeyPress(27); };
    Play(c0);

    EXPECT_EQ(host.media, Join({kStartStage, kRewind, kStartBoss, kRewind, {"Stop"}}));
    EXPECT_EQ(bgmTrack, 1);
}

TEST_F(BgmGame, MusicOffLeavesOnlyTheStopsOfTheHideKeyAndEsc) {
    glbSystem::cfgBgm = 0;
    atPass[1] = [&] { NextPassAt(100000); };
    atPass[3] = [&] { Form_KeyDown(platform::VK_RETURN); };
    holdSteps = {
        [&] { host.Hold(platform::VK_F12); },
        [&] {
            host.Hold(platform::VK_F12, false);
            Form_KeyDown(platform::VK_CONTROL);
        },
    };
    atPass[5] = [&] { NextPassAt(400000); };
    atPass[7] = [&] { Form_KeyPress(27); };
    Play(0);

    EXPECT_EQ(host.media, (Commands{"Stop", "Stop"}));
}

// The live player, with whatever sound device this machine has (often none): every command
// returns at once, with the file present, absent or unreadable.
TEST(QtMediaPlayer, EveryCommandReturnsAtOnceWithOrWithoutItsFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    QFile broken(QStringLiteral("ボス戦.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF but nothing after it");
    broken.close();

    platform::QtMediaPlayer player;
    for (const char* file : {"迎撃戦.wav", "ボス戦.wav"}) {
        QElapsedTimer timer;
        timer.start();
        player.Command("Close");
        player.SetFileName(file);
        for (const char* command : {"Open", "Play", "Prev", "Play", "Stop", "Close"}) player.Command(command);
        EXPECT_LT(timer.elapsed(), 500) << file;
    }
    QDir::setCurrent(previous);
}
