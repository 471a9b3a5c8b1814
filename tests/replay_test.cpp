// Replays: the file format, playing a replay through the real frame loop (events, polls,
// the pause hold's turns, answers, the ways a playback stops), the trace, and recording a
// game so that its replay plays back to the same trace.
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "enemies/Boss.h"
#include "enemies/Waves.h"
#include "game/Keys.h"
#include "player/Player.h"
#include "player/Stars.h"
#include "player/Weapons.h"
#include "replay/Recorder.h"
#include "replay/ReplayPlayer.h"
#include "support/GameFixture.h"

using namespace glbMain;
using namespace platform;
using namespace replay;

namespace {

const char* kHead = "ponigari-replay 1\nseed 7\nconfig 1 1 0 0 1\nranking 0 0 0 0 0 0\n";

Replay Parsed(const std::string& text) {
    Replay r;
    const ParseResult result = Parse(text, r);
    EXPECT_TRUE(result.ok) << "line " << result.line << ": " << result.message;
    return r;
}

std::string DataFile(const std::string& name) {
    const char* dir = std::getenv("PONIGARI_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : "tests/data") + "/replays/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_FALSE(text.str().empty()) << name;
    return text.str();
}

// The trace's lines in memory.
class MemoryTrace {
public:
    MemoryTrace() : file_(open_memstream(&data_, &size_)) {}
    ~MemoryTrace() {
        std::fclose(file_);
        std::free(data_);
    }
    std::FILE* file() { return file_; }
    std::string Text() {
        std::fflush(file_);
        return std::string(data_, size_);
    }
    std::string LastLine() {
        const std::string text = Text();
        const size_t start = text.rfind('\n', text.size() - 2);
        return text.substr(start == std::string::npos ? 0 : start + 1);
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

struct Played {
    PlayOutcome outcome;
    std::string trace;
    std::string last;  // the final object
};

Played Play(const Replay& r, int64_t limit = -1) {
    MemoryTrace memory;
    Played played;
    {
        TraceWriter trace(memory.file());
        played.outcome = Play_Replay(r, {nullptr, &trace, limit});
    }
    played.trace = memory.Text();
    played.last = memory.LastLine();
    return played;
}

// ---- the file ----------------------------------------------------------------------------

TEST(ReplayFileTest, ReadsEveryItemWithCommentsBlanksAndWindowsLineEnds) {
    const Replay r = Parsed(
        "# made by hand\r\n\r\nponigari-replay 1\r\nseed 18446744073709551615\r\n"
        "config 0 1 1 1 0  # trailing comment\r\nranking 1 0 0 0 0 1\r\n"
        "keys 0 0\r\n\tkeys\t150   20\r\nevent 400 ctrl\r\nhold 400 f9\r\nhold 400 unhide\r\n"
        "keys 400 63\r\nanswer 9000 no\r\nanswer 9000 yes\r\n");
    EXPECT_EQ(r.seed, 18446744073709551615u);
    EXPECT_EQ(r.config, (std::array<int, 5>{0, 1, 1, 1, 0}));
    EXPECT_EQ(r.ranking, (std::array<int, 6>{1, 0, 0, 0, 0, 1}));
    ASSERT_EQ(r.keys.size(), 3u);
    EXPECT_EQ(r.keys[1].pass, 150);
    EXPECT_EQ(r.keys[1].mask, 20);
    EXPECT_EQ(r.keys[2].mask, 63);
    ASSERT_EQ(r.events.size(), 1u);
    EXPECT_EQ(r.events[0].key, Key::Ctrl);
    ASSERT_EQ(r.holds.size(), 2u);
    EXPECT_EQ(r.holds[0].key, Key::F9);
    EXPECT_EQ(r.holds[1].key, Key::Unhide);
    ASSERT_EQ(r.answers.size(), 2u);
    EXPECT_FALSE(r.answers[0].yes);
    EXPECT_TRUE(r.answers[1].yes);
}

TEST(ReplayFileTest, ReadsAByteOrderMarkCrLineEndsAndTheEndLine) {
    const std::string text = "ponigari-replay 1\nseed 7\nconfig 1 1 0 0 1\nranking 0 0 0 0 0 0\nkeys 3 1\nend 420 clear -30\n";
    std::string mac = "\xEF\xBB\xBF" + text;
    std::replace(mac.begin(), mac.end(), '\n', '\r');
    const Replay r = Parsed(mac);
    ASSERT_EQ(r.keys.size(), 1u);
    EXPECT_EQ(r.keys[0].pass, 3);
    EXPECT_EQ(r.end, (EndItem{420, Ending::Clear, -30}));
    EXPECT_EQ(Format(r), text);
}

TEST(ReplayFileTest, ReadInPiecesOfAnySizeItIsTheSameReplay) {
    // Every line end of every kind, and the mark, split between two pieces somewhere; the
    // fault at the end must be found on the same line.
    const std::string text = "\xEF\xBB\xBFponigari-replay 1\r\nseed 7\rconfig 1 1 0 0 1\n\r\nranking 0 0 0 0 0 0\r"
                             "keys 3 1\r\n\n# a comment\r\rkeys 2 1";
    Replay whole;
    const ParseResult once = Parse(text, whole);
    ASSERT_EQ(once.line, 10);
    for (size_t piece = 1; piece <= 4; ++piece) {
        Replay r;
        Reader reader(r);
        for (size_t at = 0; at < text.size(); at += piece) reader.Feed(std::string_view(text).substr(at, piece));
        const ParseResult result = reader.Finish();
        EXPECT_EQ(result.line, once.line) << piece;
        EXPECT_EQ(result.message, once.message) << piece;
        EXPECT_EQ(Format(r), Format(whole)) << piece;
    }
}

TEST(ReplayFileTest, WritesPassesInOrderAndWhatHappensWithinAPassInItsOrder) {
    Replay r;
    r.seed = 12345678901234567;
    r.config = {1, 0, 0, 1, 1};
    r.ranking = {1, 1, 0, 0, 0, 0};
    r.keys = {{0, 16}, {30, 20}};
    r.events = {{30, Key::Ctrl}, {31, Key::Esc}};
    r.holds = {{30, Key::F9}, {30, Key::Ctrl}};
    r.answers = {{30, false}};
    const std::string text = Format(r);
    // Within pass 30: the event before it, the hold, the polls, the box.
    EXPECT_EQ(text,
              "ponigari-replay 1\nseed 12345678901234567\nconfig 1 0 0 1 1\nranking 1 1 0 0 0 0\n"
              "keys 0 16\nevent 30 ctrl\nhold 30 f9\nhold 30 ctrl\nkeys 30 20\nanswer 30 no\nevent 31 esc\n");
    EXPECT_EQ(Format(Parsed(text)), text);
}

TEST(ReplayFileTest, MalformedReplaysNameTheirFirstBadLine) {
    struct Case {
        std::string text;
        int line;
        const char* says;
    };
    const std::string head = kHead;  // four lines
    const Case cases[] = {
        {"seed 7\n", 1, "first line must be 'ponigari-replay 1'"},
        {"", 0, "empty replay"},
        {"# nothing\n\n", 2, "empty replay"},
        {"ponigari-replay 2\n", 1, "unsupported replay version '2'"},
        {head + "keys 0 1\njump 3 1\n", 6, "unknown item 'jump'"},
        {head + "keys 0 64\n", 5, "bad key mask '64'"},
        {head + "keys 0 1x\n", 5, "bad key mask '1x'"},
        {head + "keys -1 1\n", 5, "bad pass number '-1'"},
        {head + "keys 5 1 2\n", 5, "takes a pass number and one value"},
        {head + "keys 10 1\nevent 12 ctrl\nhold 11 f9\n", 7, "pass 11 comes after pass 12"},
        {head + "event 3 unhide\n", 5, "unknown key event 'unhide'"},
        {head + "hold 3 f12\n", 5, "unknown key event 'f12'"},
        {head + "answer 3 maybe\n", 5, "answer takes yes or no"},
        {"ponigari-replay 1\nseed 12a\n", 2, "seed takes one whole number"},
        {"ponigari-replay 1\nseed 18446744073709551616\n", 2, "seed takes one whole number"},
        {"ponigari-replay 1\nseed 1\nseed 2\n", 3, "a second seed line"},
        {"ponigari-replay 1\nseed 1\nconfig 1 1 0 2 1\n", 3, "config value '2' is not 0 or 1"},
        {"ponigari-replay 1\nseed 1\nconfig 1 1 0 1\n", 3, "config takes 5 values"},
        {"ponigari-replay 1\nseed 1\nconfig 1 1 0 0 1\nkeys 0 1\n", 4, "'keys' before the seed, config and ranking"},
        {"ponigari-replay 1\nseed 1\nconfig 1 1 0 0 1\n", 3, "the ranking line is missing"},
        {"ponigari-replay 1\r\rseed 1\rseed 1\r", 4, "a second seed line"},
        {head + "keys 9 1\nend 5 clear 0\n", 6, "pass 5 comes after pass 9"},
        {head + "end 9 won 0\n", 5, "ends as clear, gameover or aborted, not 'won'"},
        {head + "end 9 aborted 2147483648\n", 5, "bad score '2147483648'"},
        {head + "end 9 aborted 0\n#\nkeys 9 1\n", 7, "'keys' after the end line"},
        {head + "end 9 aborted 0\nend 9 aborted 0\n", 6, "'end' after the end line"},
        {head + "# " + std::string(4094, 'x') + "\n" + std::string(4097, ' ') + "\n", 6, "line of more than 4096 bytes"},
        {head + std::string(kMaxReplayBytes, '\n'), 1, "the replay goes on past 64 MiB"},
        {head + std::string("k\x1b[2J\0\xff\xc2\x85\xe3\x81\xbd 1 1\n", 17), 5,
         "unknown item 'k\\x1b[2J\\x00\\xff\\xc2\\x85ぽ'"},
    };
    for (const Case& c : cases) {
        Replay r;
        const ParseResult result = Parse(c.text, r);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_NE(result.message.find(c.says), std::string::npos) << result.message;
    }
}

// ---- playing -----------------------------------------------------------------------------

// Every test starts from the state of a freshly started program, as a replay does.
class ReplayPlayerTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        Forget_EarlierGames();
        Reset_World();
    }
};

TEST_F(ReplayPlayerTest, KeysHoldFromTheirPassAndEventsArriveBeforeTheirPass) {
    // Right in passes 0 to 2, nothing from 3; Ctrl and Ctrl again between passes 5 and 6 leave
    // the game running; Esc before pass 8 ends it after 8 passes.
    const Played p = Play(Parsed(std::string(kHead) + "keys 0 4\nkeys 3 0\nevent 6 ctrl\nevent 6 ctrl\nevent 8 esc\n"));
    EXPECT_EQ(p.outcome.stop, Stop::None);
    EXPECT_EQ(Player.X, 64 + 3 * 2);
    EXPECT_EQ(gamePass, 8);
    EXPECT_EQ(gamePaused, 0);
    EXPECT_EQ(p.last, "{\"end\":\"aborted\",\"frames\":8,\"boxes\":[],\"result\":[0,0,0,0]}\n");
    EXPECT_EQ(p.outcome.result.Used, 0);
}

TEST_F(ReplayPlayerTest, EscBeforeTheFirstPassMeansNoPassAtAll) {
    const Played p = Play(Parsed(std::string(kHead) + "event 0 esc\n"));
    EXPECT_EQ(p.trace, "{\"end\":\"aborted\",\"frames\":0,\"boxes\":[],\"result\":[0,0,0,0]}\n");
    EXPECT_EQ(gameFrame, 0);
}

TEST_F(ReplayPlayerTest, TheSettingsAndRankingRowsComeFromTheReplay) {
    Play(Parsed("ponigari-replay 1\nseed 7\nconfig 0 0 1 1 0\nranking 1 0 1 0 0 1\nevent 1 esc\n"));
    EXPECT_EQ(glbSystem::cfgBgm, 0);
    EXPECT_EQ(glbSystem::cfgStar, 0);
    EXPECT_EQ(glbSystem::cfgEasyBlast, -1);
    EXPECT_EQ(glbSystem::cfgHardMode, 1);
    EXPECT_EQ(glbSystem::cfgLimiter, 0);
    const int16_t used[6] = {-1, 0, -1, 0, 0, -1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(glbSystem::RankData[i].Used, used[i]) << i;
}

TEST_F(ReplayPlayerTest, TheSeedIsAppliedRightBeforeTheWorldReset) {
    // Seed 7 as the reset sees it: the star field the reset draws matches a reset by hand.
    Randomize(7);
    Reset_World();
    const auto stars = Star;
    const uint64_t drawn = RndCount();
    Randomize(99);
    Play(Parsed(std::string(kHead) + "event 0 esc\n"));
    EXPECT_EQ(RndCount(), drawn);
    for (size_t i = 0; i < stars.size(); ++i) {
        EXPECT_EQ(Star[i].Active, stars[i].Active) << i;
        if (!stars[i].Active) continue;
        EXPECT_EQ(Star[i].X, stars[i].X) << i;
        EXPECT_EQ(Star[i].Y, stars[i].Y) << i;
        EXPECT_EQ(Star[i].Speed, stars[i].Speed) << i;
    }
}

TEST_F(ReplayPlayerTest, HoldTurnsTakeUnhideAtTheirStartAndTheRestUpToTheNextUnhide) {
    // Hidden by Enter before pass 2. Turn 1: no F12; Ctrl is ignored while hidden, F9 works
    // because hiding pauses. Turn 2: F12 shows the game; F10 turns the shower on. Turn 3:
    // an unhide with nothing hidden is spent; Ctrl resumes.
    const Played p = Play(Parsed(std::string(kHead) +
                                 "event 2 enter\nhold 2 ctrl\nhold 2 f9\nhold 2 unhide\nhold 2 f10\n"
                                 "hold 2 unhide\nhold 2 ctrl\nevent 4 esc\n"));
    EXPECT_EQ(p.outcome.stop, Stop::None);
    EXPECT_EQ(gamePass, 4);
    EXPECT_EQ(Player.Shield, 512);
    EXPECT_EQ(gameBlastShower, -1);
    EXPECT_EQ(gameHidden, 0);
    EXPECT_EQ(gamePaused, 0);
}

TEST_F(ReplayPlayerTest, AHoldWithoutItemsLeftStalls) {
    // The F9 of pass 1 finds no hold there and is skipped; pass 3 holds with nothing to do.
    const Played p = Play(Parsed(std::string(kHead) + "hold 1 f9\nevent 3 ctrl\n"));
    EXPECT_EQ(p.outcome.stop, Stop::Stalled);
    EXPECT_EQ(p.last, "{\"end\":\"stalled\",\"frames\":3,\"boxes\":[],\"result\":[0,0,0,0]}\n");
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_FALSE(gameInHold);
    EXPECT_FALSE(window.loaded);

    // Hidden, shown by F12, and then nothing more: still paused, so it stalls too.
    const Played shown = Play(Parsed(std::string(kHead) + "event 3 enter\nhold 3 unhide\n"));
    EXPECT_EQ(shown.outcome.stop, Stop::Stalled);
    EXPECT_EQ(gameHidden, 0);
}

TEST_F(ReplayPlayerTest, ThePassLimitStopsBeforeThePassUnlessTheGameHasEnded) {
    const Replay endless = Parsed(std::string(kHead) + "keys 0 16\n");
    EXPECT_EQ(Play(endless, 0).trace, "{\"end\":\"limit\",\"frames\":0,\"boxes\":[],\"result\":[0,0,0,0]}\n");
    const Played ten = Play(endless, 10);
    EXPECT_EQ(ten.outcome.stop, Stop::Limit);
    EXPECT_EQ(std::count(ten.trace.begin(), ten.trace.end(), '\n'), 11);
    EXPECT_EQ(gameFrame, 10);
    // Esc before pass 10 ends the game by itself, limit or not.
    const Played ended = Play(Parsed(std::string(kHead) + "event 10 esc\n"), 10);
    EXPECT_EQ(ended.outcome.stop, Stop::None);
    EXPECT_NE(ended.last.find("\"end\":\"aborted\",\"frames\":10"), std::string::npos);
}

TEST_F(ReplayPlayerTest, TheJudgementIsAnsweredFromTheReplayAndYesWhenItSaysNothing) {
    const Replay judged = Parsed(DataFile("judge.rep"));
    const Played no = Play(judged);
    EXPECT_EQ(no.last,
              "{\"end\":\"gameover\",\"frames\":237,\"boxes\":[[\"審判\",\"ぽにを狩って楽しいですか？\"],"
              "[\"GAME OVER\",\"だったらやめやがれ！！\"],[\"SCORE\",\" 0 Points.\"]],\"result\":[-1,0,0,0]}\n");
    EXPECT_EQ(no.outcome.result.Used, -1);

    Replay unanswered = judged;
    unanswered.answers.clear();
    EXPECT_NE(Play(unanswered).last.find("[\"GAME OVER\",\"一生狩ってろ！！\"]"), std::string::npos);
    // An answer meant for another pass is not taken.
    unanswered.answers = {{235, false}};
    EXPECT_NE(Play(unanswered).last.find("一生狩ってろ！！"), std::string::npos);
}

TEST_F(ReplayPlayerTest, DestroyingTheBossEndsClearWithTheResult) {
    Replay r = Parsed(DataFile("debug.rep"));
    r.events.pop_back();  // no Esc: fight on until the boss is down
    const Played p = Play(r);
    EXPECT_EQ(p.outcome.stop, Stop::None);
    EXPECT_EQ(p.outcome.result.Clear, -1);
    EXPECT_EQ(p.outcome.result.Used, -1);
    // The warp withholds the big entry bonus: 10000 on entry, 100000 at the end, 10 a rocket.
    EXPECT_GE(gameScore, 110000);
    EXPECT_EQ(gameFrame, BossDownFrame + 42);
    const std::string end = "{\"end\":\"clear\",\"frames\":" + std::to_string(gamePass) +
                            ",\"boxes\":[[\"Mission Completed !!\",\"おめでとう！！\\r\\nぽにのボス ガルモ を殺しました。\"],"
                            "[\"SCORE\",\" " + std::to_string(gameScore) + " Points.\"]],\"result\":[-1," +
                            std::to_string(gameScore) + ",0,-1]}\n";
    EXPECT_EQ(p.last, end);
}

TEST_F(ReplayPlayerTest, AGameThatEndsOtherwiseThanItsEndLineIsADesync) {
    const std::string right = std::string(kHead) + "keys 0 4\nevent 8 esc\n";
    EXPECT_EQ(Play(Parsed(right + "end 8 aborted 0\n")).outcome.desync, "");
    EXPECT_EQ(Play(Parsed(right + "end 8 aborted 10\n")).outcome.desync,
              "desync at pass 8: the game ended (aborted, score 0) where the replay ends at pass 8 (aborted, score 10)");
    EXPECT_EQ(Play(Parsed(right + "end 9 aborted 0\n")).outcome.desync,
              "desync at pass 8: the game ended (aborted, score 0) where the replay ends at pass 9 (aborted, score 0)");
    // A game that goes on is stopped where the replay ends, unless a pass limit comes first.
    const Replay endless = Parsed(std::string(kHead) + "keys 0 4\nend 5 gameover 0\n");
    const Played on = Play(endless);
    EXPECT_EQ(on.outcome.desync, "desync at pass 5: the game goes on where the replay ends at pass 5 (gameover, score 0)");
    EXPECT_EQ(on.last, "{\"end\":\"limit\",\"frames\":5,\"boxes\":[],\"result\":[0,0,0,0]}\n");
    EXPECT_EQ(Play(endless, 4).outcome.desync, "");
    EXPECT_NE(Play(endless, 5).outcome.desync, "");
    // A pause whose items run out before the end.
    EXPECT_EQ(Play(Parsed(std::string(kHead) + "event 3 ctrl\nend 10 aborted 0\n")).outcome.desync,
              "desync at pass 3: the pause waits for keys the replay does not have; "
              "the replay ends at pass 10 (aborted, score 0)");
}

TEST_F(ReplayPlayerTest, TwoPlaybacksOfOneReplayGiveTheSameBytes) {
    const Replay r = Parsed(DataFile("hard.rep"));
    const std::string first = Play(r).trace;
    Randomize(1);  // whatever came before must not matter
    glbSystem::Default_Config();
    EXPECT_EQ(Play(r).trace, first);
}

// The windows and controllers of a watched replay ask it for the focus and the keyboard.
TEST_F(ReplayPlayerTest, AWatchedReplayTellsTheLiveFocusAndKeyboard) {
    const Replay r = Parsed(kHead);
    ScriptedHost live;
    live.focused = false;
    live.Hold(VK_V);
    ReplayPlayer watched(r, &live), headless(r);
    EXPECT_TRUE(!watched.HasFocus() && watched.KeyDownAnywhere(VK_V));
    EXPECT_TRUE(headless.HasFocus() && !headless.KeyDownAnywhere(VK_V));
}

// ---- the trace ---------------------------------------------------------------------------

TEST_F(ReplayPlayerTest, TraceLinesListTheStateInTheirOrderAndOnlyActiveSlots) {
    for (auto& s : Star) s.Active = 0;
    Randomize(5);
    Rnd();
    Rnd();
    gameFrame = 13401;  // after the increment of pass 13400
    gameScore = 1230;
    gameHasKilled = -1;
    gamePaused = -1;
    gamePassFlash = 16776960;
    glbSystem::cfgHardMode = 1;
    Player.Shield = 3;
    Player.DeathFrame = 77;
    BalkanShot[2] = {-1, 10, 100, 50, 12, 1};
    NextBalkan = 3;
    PoniTable[4].Active = -1;
    PoniTable[4].Vx = -2;
    PoniTable[4].X = 300;
    PoniTable[4].Y = -5;
    PoniTable[4].FireWait = 9;
    BossPhase = -1;
    BossHP = 600;
    PrevBossHP = 601;
    Star[63] = {-1, -9, 319, 239};
    MemoryTrace memory;
    {
        TraceWriter trace(memory.file());
        trace.Pass();
        trace.Box("T\"1", "a\r\nb\\");
        trace.Finish(Stop::Limit);
    }
    EXPECT_EQ(memory.Text(),
              "{\"frame\":13400,\"rng\":2,\"score\":1230,\"killed\":-1,\"quit\":0,\"aborted\":0,\"paused\":-1,"
              "\"hidden\":0,\"shower\":0,\"hard\":1,\"flash\":16776960,"
              "\"player\":[-1,64,112,16,16,2,1,0,1,0,0,3,0,77],\"balkan\":[[2,100,50]],\"next\":3,"
              "\"sonic\":[0,0,0,10,0,0,0],\"laser\":[0,0,0,0,0,0,0,0,0],\"poni\":[[4,-2,300,-5,9]],\"ebal\":[],"
              "\"boss\":[-1,0,0,0,0,600,0,0,0,0,0,0,601],\"rocket\":[],\"item\":[],\"blast\":[],"
              "\"star\":[[63,-9,319,239]]}\n"
              "{\"end\":\"limit\",\"frames\":1,\"boxes\":[[\"T\\\"1\",\"a\\r\\nb\\\\\"]],\"result\":[0,0,0,0]}\n");
}

// ---- recording ---------------------------------------------------------------------------

// A stand-in for the live host whose keys may change between two polls of the same pass, as
// a real keyboard may.
class RestlessHost : public ScriptedHost {
public:
    bool KeyHeld(int vk) override {
        ++polls;
        if (flicker && vk == VK_RIGHT) return polls % 2 == 0;
        return ScriptedHost::KeyHeld(vk);
    }
    bool flicker = false;
    long polls = 0;
};

class RecorderTest : public ReplayPlayerTest {
protected:
    void SetUp() override {
        ReplayPlayerTest::SetUp();
        InstallHost(&recorder);
        gameObserver = &recorder;
        recorder.RecordTo(dir.filePath("game.rep").toStdString());
        recorder.TraceTo(dir.filePath("game.jsonl").toStdString());
    }
    void TearDown() override {
        gameObserver = nullptr;
        ReplayPlayerTest::TearDown();
    }
    static std::string Read(const QString& path) {
        std::ifstream in(path.toStdString(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Plays the recorded replay headless and compares its trace with the live one.
    void ExpectSameTraceOnPlayback() {
        const std::string live = Read(dir.filePath("game.jsonl"));
        ASSERT_FALSE(live.empty());
        const Played played = Play(Parsed(Read(dir.filePath("game.rep"))));
        EXPECT_EQ(played.trace, live);
        EXPECT_EQ(played.outcome.desync, "");
    }

    RestlessHost inner;
    Recorder recorder{inner, 18};
    QTemporaryDir dir;
};

TEST_F(RecorderTest, TheJudgementGameRecordsAsItsReplay) {
    // The moves of judge.rep, played on the keyboard: Down before the game, up at pass 15,
    // Right from pass 120; the judgement answered No.
    for (auto& row : glbSystem::RankData) row.Used = -1;
    inner.Hold(VK_DOWN);
    inner.onEvents = [this] {
        if (gamePass == 15) inner.Hold(VK_DOWN, false);
        if (gamePass == 120) inner.Hold(VK_RIGHT);
    };
    inner.answers = {IDNO};
    glbSystem::RankRecord result;
    Run_Game(result);
    EXPECT_EQ(Read(dir.filePath("game.rep")),
              "ponigari-replay 1\nseed 18\nconfig 1 1 0 0 1\nranking 1 1 1 1 1 1\n"
              "keys 0 8\nkeys 15 0\nkeys 120 4\nanswer 236 no\nend 237 gameover 0\n");
    EXPECT_EQ(result.Score, 0);
    ExpectSameTraceOnPlayback();
}

TEST_F(RecorderTest, EveryPollOfAPassSeesTheKeysOfItsFirstPoll) {
    // Right flickers from poll to poll; the ship still moves by whole steps of the snapshot.
    inner.flicker = true;
    inner.Hold(VK_SPACE);
    inner.onEvents = [] {
        if (gamePass == 60 && !gameQuit) Form_KeyPress(27);
    };
    glbSystem::RankRecord result;
    Run_Game(result);
    const Replay& r = recorder.Current();
    ASSERT_FALSE(r.keys.empty());
    for (const auto& k : r.keys) EXPECT_TRUE(k.mask == 16 || k.mask == 20) << k.mask;
    ExpectSameTraceOnPlayback();
}

TEST_F(RecorderTest, AReplayNamedThroughALinkReplacesTheFileItLeadsTo) {
    const std::string real = dir.filePath("real.rep").toStdString(), link = dir.filePath("link.rep").toStdString();
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    recorder.RecordTo(link);
    inner.onEvents = [] {
        if (gamePass == 5 && !gameQuit) Form_KeyPress(27);
    };
    glbSystem::RankRecord result;
    Run_Game(result);
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_NE(Read(dir.filePath("real.rep")).find("\nend 5 aborted"), std::string::npos);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 3) << "no temporary file is left";
}

TEST_F(RecorderTest, EventsAreRecordedWhereTheyWereHandled) {
    // Pause between passes 3 and 4; in pass 4's hold F8, then Ctrl in the next turn; Enter
    // between 9 and 10 hides, F12 held in pass 10's hold shows again, Ctrl resumes; Esc.
    int turn = 0;
    int64_t gapDone = -1;  // the frame wait and the event pass both let events through
    inner.onEvents = [&] {
        if (gameInHold && gamePass == 4) {
            if (++turn == 1) Form_KeyUp(VK_F8);
            else Form_KeyDown(VK_CONTROL);
        } else if (gameInHold && gamePass == 10) {
            if (!gameHidden) {
                inner.Hold(VK_F12, false);
                Form_KeyDown(VK_CONTROL);
            } else {
                inner.Hold(VK_F12);
            }
        } else if (!gameInHold && gamePass != gapDone) {
            gapDone = gamePass;
            if (gamePass == 4) Form_KeyDown(VK_CONTROL);
            if (gamePass == 10) Form_KeyDown(VK_RETURN);
            if (gamePass == 12) Form_KeyPress(27);
        }
    };
    glbSystem::RankRecord result;
    Run_Game(result);
    const Replay& r = recorder.Current();
    ASSERT_EQ(r.events.size(), 3u);
    EXPECT_EQ(r.events[0].pass, 4);
    EXPECT_EQ(r.events[0].key, Key::Ctrl);
    EXPECT_EQ(r.events[1].pass, 10);
    EXPECT_EQ(r.events[1].key, Key::Enter);
    EXPECT_EQ(r.events[2].pass, 12);
    EXPECT_EQ(r.events[2].key, Key::Esc);
    ASSERT_EQ(r.holds.size(), 4u);
    EXPECT_EQ(r.holds[0].pass, 4);
    EXPECT_EQ(r.holds[0].key, Key::F8);
    EXPECT_EQ(r.holds[1].key, Key::Ctrl);
    EXPECT_EQ(r.holds[2].pass, 10);
    EXPECT_EQ(r.holds[2].key, Key::Unhide);
    EXPECT_EQ(r.holds[3].key, Key::Ctrl);
    EXPECT_EQ(Player.SubWeapon, 256);
    ExpectSameTraceOnPlayback();
}

TEST_F(RecorderTest, OutsideTheSnapshotEverythingGoesToTheLiveHost) {
    inner.globalKeys = false;
    EXPECT_FALSE(recorder.KeysSeenEverywhere());
    recorder.PressOnce(VK_F12);
    EXPECT_EQ(inner.pressedOnce, std::vector<int>{VK_F12});
    // Between games nothing is recorded: the menu's boxes and keys are the live host's.
    inner.answers = {IDNO};
    EXPECT_EQ(recorder.MessageBox(TR_TEXT("app::frmMenu", "終了してもよろしいですか？"), TR_TEXT("app::frmMenu", "確認"),
                                  MB_YESNO),
              IDNO);
    inner.Hold(VK_SPACE);
    EXPECT_TRUE(recorder.KeyHeld(VK_SPACE));
    inner.Hold(VK_SPACE, false);
    EXPECT_FALSE(recorder.KeyHeld(VK_SPACE));
    EXPECT_TRUE(recorder.Current().answers.empty());
    EXPECT_TRUE(recorder.Current().keys.empty());
}

TEST_F(RecorderTest, EachGameOfARunHasItsOwnSeed) {
    inner.onEvents = [] {
        if (gamePass == 3 && !gameQuit) Form_KeyPress(27);
    };
    glbSystem::RankRecord result;
    Run_Game(result);
    EXPECT_EQ(recorder.Current().seed, 18u);
    const std::string first = Read(dir.filePath("game.jsonl"));
    Run_Game(result);
    EXPECT_EQ(recorder.Current().seed, 19u);
    EXPECT_EQ(GameSeed(18, 2), 20u);
    EXPECT_EQ(GameSeed(UINT64_MAX, 1), 0u);
    // The second game's stars differ from the first's: another seed, not a continued stream.
    EXPECT_NE(Read(dir.filePath("game.jsonl")), first);
    ExpectSameTraceOnPlayback();
}

TEST_F(RecorderTest, AReplayOrTraceThatCannotBeWrittenIsSaidOnceAndTheDeviceStays) {
    recorder.RecordTo("/dev/full");
    recorder.TraceTo("/dev/full");
    inner.onEvents = [] {
        if (gamePass == 3 && !gameQuit) Form_KeyPress(27);
    };
    glbSystem::RankRecord result;
    testing::internal::CaptureStderr();
    Run_Game(result);
    Run_Game(result);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ponigari: cannot write the trace to /dev/full: No space left on device\n"
              "ponigari: cannot write the replay to /dev/full: No space left on device\n");
    EXPECT_EQ(recorder.Error(), "cannot write the trace to /dev/full: No space left on device");
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

} // namespace
