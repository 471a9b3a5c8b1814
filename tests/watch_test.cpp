// Watching kept replays: picking a ranking row and its リプレイ button, the watching window's
// title, mark and keys, the viewer's pace, and a replay whose playback parts from its end line,
// with real windows on the offscreen platform and real files in a temporary folder.
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/Watch.h"
#include "game/frmMain.h"
#include "records/Config.h"
#include "records/ReplayLinks.h"
#include "records/Windows.h"
#include "records/frmRank.h"
#include "replay/ReplayPlayer.h"
#include "support/RankFolder.h"

using namespace glbSystem;
using namespace platform;

namespace {

std::string DataReplay(const std::string& name) {
    const char* dir = std::getenv("PONIGARI_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : "tests/data") + "/replays/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

QPoint RowPoint(const frmRank* w, int row) { return w->lblScore[row]->geometry().center(); }

// The judge replay, a game over after 237 passes with 0 points, with its end line as given.
std::string Judge(const std::string& endLine) { return DataReplay("judge.rep") + endLine + "\n"; }

} // namespace

class WatchTest : public RankFolder {
protected:
    void SetUp() override {
        RankFolder::SetUp();
        Default_Config();
        glbMain::InstallWindow(&window);
        Show_Replay = &app::Watch_Kept_Replay;
        // Rows 1 and 2 and the bottom row; rows 2 and 0 have kept replays.
        std::array<Slot, 6> rows{};
        rows[1] = UsedSlot(900, 0, 0, "One");
        rows[2] = UsedSlot(500, 0, 0, "Two");
        rows[0] = UsedSlot(0, 0, 0, "Low");
        WriteFile(FileBytes(rows));
        Load_Rank();
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("replays")));
        Keep("2024-03-05_070809_gameover_500.rpl", Judge("end 237 gameover 0"), RankData[2]);
        Keep("2024-03-05_070900_gameover_0.rpl", Judge("end 237 gameover 0"), RankData[0]);
    }
    void TearDown() override {
        if (frmRank* w = Rank_Window()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Show_Replay = nullptr;
        glbMain::InstallWindow(nullptr);
        RankFolder::TearDown();
    }
    static void Keep(const std::string& name, const std::string& text, const RankRecord& row) {
        std::ofstream("replays/" + name, std::ios::binary) << text;
        ASSERT_TRUE(Link_Replay(row, name));
    }
    frmRank* OpenRank() {
        Open_Rank([] {});
        Settle();
        return Rank_Window();
    }

    glbMain::LiveGameWindow window;
};

TEST_F(WatchTest, RowsArePickedByMouseAndArrowsAndOnlyThoseWithAReplayCanBeWatched) {
    frmRank* w = OpenRank();
    // The described controls stay where they were; the new button has a row of its own below.
    EXPECT_EQ(w->cmdRecover->geometry(), QRect(8, 186, 81, 27));
    EXPECT_EQ(w->cmdMenu->geometry(), QRect(475, 186, 81, 27));
    EXPECT_EQ(w->cmdReplay->geometry(), QRect(8, 221, 81, 27));
    EXPECT_EQ(w->size(), QSize(564, 255));
    EXPECT_EQ(w->cmdReplay->text(), QStringLiteral("リプレイ(&P)"));
    EXPECT_TRUE(w->cmdUpdate->isDefault());

    EXPECT_EQ(w->Picked(), -1);
    EXPECT_FALSE(w->cmdReplay->isEnabled());
    const QColor unmarked = w->grab().toImage().pixelColor(RowPoint(w, 2) + QPoint(0, 9));
    QTest::mouseClick(w, Qt::LeftButton, {}, RowPoint(w, 2));
    EXPECT_EQ(w->Picked(), 2);
    EXPECT_TRUE(w->cmdReplay->isEnabled());
    EXPECT_NE(w->grab().toImage().pixelColor(RowPoint(w, 2) + QPoint(0, 9)), unmarked) << "the picked row is marked";

    // The arrows walk the rows as they stand, the bottom row last, whichever button has the focus.
    w->cmdUpdate->setFocus();
    const struct { Qt::Key key; int row; bool watchable; } steps[] = {
        {Qt::Key_Up, 1, false},   {Qt::Key_Up, 1, false},  {Qt::Key_Down, 2, true}, {Qt::Key_Down, 3, false},
        {Qt::Key_Down, 4, false}, {Qt::Key_Down, 5, false}, {Qt::Key_Down, 0, true}, {Qt::Key_Down, 0, true},
    };
    for (const auto& step : steps) {
        QTest::keyClick(w->cmdUpdate, step.key);
        EXPECT_EQ(w->Picked(), step.row);
        EXPECT_EQ(w->cmdReplay->isEnabled(), step.watchable) << "row " << step.row;
    }
    EXPECT_EQ(QApplication::focusWidget(), w->cmdUpdate);

    // A replay file the player deleted leaves its row without one.
    QFile::remove(QStringLiteral("replays/2024-03-05_070900_gameover_0.rpl"));
    w->Update_Rank();
    EXPECT_FALSE(w->cmdReplay->isEnabled());
}

TEST_F(WatchTest, AReplayPlaysInTheWatchingWindowAndLeavesRankingSettingsAndReplaysAlone) {
    frmRank* w = OpenRank();
    QTest::mouseClick(w, Qt::LeftButton, {}, RowPoint(w, 2));
    const std::string ranking = ReadFile();
    const QStringList replays = QDir(QStringLiteral("replays")).entryList(QDir::Files);
    QString title, mark;
    bool rankingShown = true;
    host.onBox = [&](const ShownBox&) {
        if (!window.form()) return;
        title = window.form()->windowTitle();
        for (const QLabel* label : window.form()->findChildren<QLabel*>())
            if (label->isVisibleTo(window.form()) && label->text().startsWith(QStringLiteral("REPLAY"))) mark = label->text();
        rankingShown = w->isVisible();
    };
    w->cmdReplay->click();
    EXPECT_EQ(title, QStringLiteral("リプレイ"));
    EXPECT_EQ(mark, QStringLiteral("REPLAY"));
    EXPECT_FALSE(rankingShown) << "the game window takes the ranking window's place";
    std::string titles;
    for (const ShownBox& box : host.boxes) titles += box.title + " ";
    EXPECT_EQ(titles, "審判 GAME OVER SCORE ") << "the game's own boxes, and no other";
    EXPECT_TRUE(w->isVisible()) << "back in the ranking window";
    EXPECT_EQ(ReadFile(), ranking);
    EXPECT_EQ(QDir(QStringLiteral("replays")).entryList(QDir::Files), replays);
    EXPECT_EQ(RankData[3].Used, 0) << "the replay's ranking rows are not the player's";
    EXPECT_EQ(cfgLimiter, -1);
    EXPECT_EQ(&CurrentHost(), &host);
}

TEST_F(WatchTest, AReplayThatPartsFromItsEndLineShowsWhereAndTheProgramGoesOn) {
    const struct { const char* what; std::string text; std::vector<std::string> said; } cases[] = {
        {"an edited end line", Judge("end 237 clear 500"),
         {"記録：クリア、スコア 500（237 フレーム）\r\n再生：ゲームオーバー、スコア 0（237 フレーム）",
          "237 フレーム目で記録と分かれました。"}},
        {"an end line of a longer game", Judge("end 900 gameover 0"),
         {"記録：ゲームオーバー、スコア 0（900 フレーム）", "237 フレーム目で記録と分かれました。"}},
        {"no replay at all", "ponigari-replay 1\nseed x\n", {"リプレイを読み込めませんでした。", ":2: seed takes"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream("replays/2024-03-05_070900_gameover_0.rpl", std::ios::binary) << c.text;
        frmRank* w = OpenRank();
        QTest::mouseClick(w, Qt::LeftButton, {}, RowPoint(w, 0));
        host.boxes.clear();
        w->cmdReplay->click();
        ASSERT_FALSE(host.boxes.empty());
        const ShownBox& box = host.boxes.back();
        EXPECT_EQ(box.title, "Error !!");
        EXPECT_EQ(box.buttons, MB_OK);
        for (const std::string& words : c.said) EXPECT_NE(box.prompt.find(words), std::string::npos) << box.prompt;
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(RankData[0].Used, -1);
        // The ranking window still answers.
        QTest::keyClick(w->cmdUpdate, Qt::Key_Up);
        EXPECT_EQ(w->Picked(), 5);
        w->cmdMenu->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Rank_Window(), nullptr);
    }
}

// What each key does in the watching window: only the watching keys do anything.
TEST_F(WatchTest, TheWatchingKeysSteerTheWatchingAndNoKeyReachesTheGame) {
    app::ReplayWatch watch(host);
    window.Load();
    glbMain::frmMain* form = window.form();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("リプレイ"));
    const app::WatchHost& pace = watch.Host();
    const auto mark = [form] {
        for (const QLabel* label : form->findChildren<QLabel*>())
            if (label->text().startsWith(QStringLiteral("REPLAY"))) return label->text();
        return QString();
    };
    glbMain::gameHidden = glbMain::gamePaused = 0;
    const struct { Qt::Key key; bool press; bool paused, fast; const char* mark; } steps[] = {
        {Qt::Key_Control, true, true, false, "REPLAY ||"}, {Qt::Key_Control, false, true, false, "REPLAY ||"},
        {Qt::Key_Control, true, false, false, "REPLAY"},   {Qt::Key_V, true, false, true, "REPLAY x4"},
        {Qt::Key_V, false, false, false, "REPLAY"},        {Qt::Key_Return, true, false, false, "REPLAY"},
        {Qt::Key_Space, true, false, false, "REPLAY"},     {Qt::Key_F7, false, false, false, "REPLAY"},
    };
    for (const auto& step : steps) {
        if (step.press) QTest::keyPress(form, step.key);
        else QTest::keyRelease(form, step.key);
        EXPECT_EQ(pace.Paused(), step.paused) << step.key;
        EXPECT_EQ(pace.Fast(), step.fast) << step.key;
        EXPECT_EQ(mark(), QString::fromLatin1(step.mark)) << step.key;
    }
    EXPECT_EQ(glbMain::gameHidden, 0) << "Enter never hid the game";
    EXPECT_EQ(glbMain::gamePaused, 0) << "Ctrl never paused the game";
    EXPECT_FALSE(pace.Stopping());
    form->close();
    EXPECT_TRUE(pace.Stopping()) << "the close box stops the watching";
    window.Unload();
}

TEST_F(WatchTest, TheViewersClockStandsStillWhilePausedAndRunsFourTimesAsFastWithV) {
    host.clock = 1000;
    app::WatchHost pace(host);
    const int32_t start = pace.TimeMs();
    const struct { void (*change)(app::WatchHost&); int32_t realStep, watched; } steps[] = {
        {[](app::WatchHost&) {}, 100, 100},
        {[](app::WatchHost& p) { p.SetFast(true); }, 100, 500},
        {[](app::WatchHost& p) { p.SetPaused(true); }, 1000, 500},
        {[](app::WatchHost& p) { p.SetPaused(false); }, 50, 700},
        {[](app::WatchHost& p) { p.SetFast(false); }, 100, 800},
    };
    for (const auto& step : steps) {
        step.change(pace);
        host.clock += step.realStep;
        EXPECT_EQ(pace.TimeMs() - start, step.watched);
    }
    // A 25 ms frame at four times the pace is over in 7 ms of the player's time (rounded up).
    pace.SetFast(true);
    const int32_t real = host.clock;
    pace.WaitUntil(pace.TimeMs() + 25);
    EXPECT_EQ(host.clock - real, 7);

    // A paused watch waits in the event loop until Ctrl comes again.
    pace.SetPaused(true);
    int turns = 0;
    host.onEvents = [&] {
        if (++turns == 3) pace.SetPaused(false);
    };
    pace.DoEvents();
    EXPECT_EQ(turns, 3);
    host.onEvents = nullptr;
    pace.Stop();
    EXPECT_THROW(pace.DoEvents(), replay::Stopped);
}
