// Watching kept replays: the ranking window's picked row and its リプレイ button, the watching
// window's keys, the viewer's pace, and a replay whose playback parts from its end line, with
// real windows on the offscreen platform and real files in a temporary folder.
#include <QLabel>
#include <QTest>
#include <cstdlib>
#include <fstream>

#include "app/Watch.h"
#include "game/frmMain.h"
#include "input/Bindings.h"
#include "records/Config.h"
#include "records/ReplayLinks.h"
#include "records/Windows.h"
#include "records/frmRank.h"
#include "replay/ReplayPlayer.h"
#include "support/RankFolder.h"

using namespace glbSystem;
using namespace platform;

class WatchTest : public RankFolder {
protected:
    void SetUp() override {
        RankFolder::SetUp();
        Default_Config();
        glbMain::InstallWindow(&window);
        Show_Replay = &app::Watch_Kept_Replay;
        std::array<Slot, 6> rows{};
        rows[1] = UsedSlot(900, 0, 0, "One");
        rows[2] = UsedSlot(500, 0, 0, "Two");
        rows[0] = UsedSlot(0, 0, 0, "Low");
        WriteFile(FileBytes(rows));
        Load_Rank();
        // Rows 2 and 0 have replays: a game over after 237 passes, with the end line given.
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("replays")));
        for (const int row : {2, 0}) {
            const std::string name = "2024-03-05_07080" + std::to_string(row) + "_gameover_0.rpl";
            std::ofstream("replays/" + name) << std::ifstream(std::string(std::getenv("PONIGARI_TEST_DATA")) +
                                                               "/replays/judge.rep").rdbuf();
            ASSERT_TRUE(Link_Replay(RankData[row], name));
        }
        Open_Rank([] {});
        rank = Rank_Window();
    }
    void TearDown() override {
        if (Rank_Window()) Rank_Window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Show_Replay = nullptr;
        glbMain::InstallWindow(nullptr);
        RankFolder::TearDown();
    }
    void Pick(int row) { QTest::mouseClick(rank, Qt::LeftButton, {}, rank->lblScore[row]->geometry().center()); }

    glbMain::LiveGameWindow window;
    frmRank* rank = nullptr;
};

TEST_F(WatchTest, RowsArePickedByMouseAndArrowsAndOnlyThoseWithAReplayCanBeWatched) {
    EXPECT_FALSE(rank->cmdReplay->isEnabled());
    const QPoint band = rank->lblScore[2]->geometry().center() + QPoint(0, 9);
    const QColor unmarked = rank->grab().toImage().pixelColor(band);
    Pick(2);
    EXPECT_TRUE(rank->cmdReplay->isEnabled());
    EXPECT_NE(rank->grab().toImage().pixelColor(band), unmarked) << "the picked row is marked";

    // The arrows walk the rows top to bottom, whichever button has the focus.
    const struct { Qt::Key key; int row; bool watchable; } steps[] = {
        {Qt::Key_Up, 1, false},   {Qt::Key_Up, 1, false},   {Qt::Key_Down, 2, true},  {Qt::Key_Down, 3, false},
        {Qt::Key_Down, 4, false}, {Qt::Key_Down, 5, false}, {Qt::Key_Down, 0, true},
    };
    for (const auto& step : steps) {
        QTest::keyClick(rank->cmdUpdate, step.key);
        EXPECT_EQ(rank->Picked(), step.row);
        EXPECT_EQ(rank->cmdReplay->isEnabled(), step.watchable) << "row " << step.row;
    }
    // A replay the player deleted leaves its row without one.
    QFile::remove(QStringLiteral("replays/2024-03-05_070800_gameover_0.rpl"));
    rank->Update_Rank();
    EXPECT_FALSE(rank->cmdReplay->isEnabled());
}

TEST_F(WatchTest, AReplayThatPartsFromItsEndLineSaysWhereAndLeavesRankingAndSettingsAlone) {
    std::ofstream("replays/2024-03-05_070802_gameover_0.rpl", std::ios::app) << "end 237 clear 500\n";
    const std::string ranking = ReadFile();
    cfgStar = 0;
    QString title;
    host.onBox = [&](const ShownBox&) {
        if (window.form()) title = window.form()->windowTitle();
    };
    Pick(2);
    rank->cmdReplay->click();
    std::string titles;
    for (const ShownBox& box : host.boxes) titles += box.title + " ";
    EXPECT_EQ(titles, "審判 GAME OVER SCORE Error !! ") << "the game's own boxes, then the one that tells";
    EXPECT_EQ(title, QStringLiteral("リプレイ"));
    EXPECT_NE(host.boxes.back().prompt.find("記録：クリア、スコア 500（237 フレーム）\r\n"
                                            "再生：ゲームオーバー、スコア 0（237 フレーム）\r\n\r\n"
                                            "237 フレーム目で記録と分かれました。"),
              std::string::npos)
        << host.boxes.back().prompt;
    // The program goes on, in the ranking window as it was.
    EXPECT_TRUE(rank->isVisible());
    EXPECT_EQ(ReadFile(), ranking);
    EXPECT_EQ(RankData[3].Used, 0) << "the replay's ranking rows are not the player's";
    EXPECT_EQ(cfgStar, 0) << "nor its settings";
    EXPECT_EQ(&CurrentHost(), &host);
}

// Only the watching keys do anything in the watching window; no key reaches the game.
TEST_F(WatchTest, TheWatchingKeysSteerTheWatching) {
    app::ReplayWatch watch(host);
    window.Load();
    glbMain::frmMain* form = window.form();
    const auto mark = [form] { return form->findChildren<QLabel*>().back()->text().toStdString(); };
    glbMain::gameHidden = glbMain::gamePaused = 0;
    const struct { Qt::Key key; bool press, paused, fast; const char* mark; } steps[] = {
        {Qt::Key_Control, true, true, false, "REPLAY ||"}, {Qt::Key_Control, true, false, false, "REPLAY"},
        {Qt::Key_V, true, false, true, "REPLAY x4"},       {Qt::Key_V, false, false, false, "REPLAY"},
        {Qt::Key_Return, true, false, false, "REPLAY"},
    };
    for (const auto& step : steps) {
        step.press ? QTest::keyPress(form, step.key) : QTest::keyRelease(form, step.key);
        EXPECT_EQ(watch.Host().Paused(), step.paused);
        EXPECT_EQ(watch.Host().Fast(), step.fast);
        EXPECT_EQ(mark(), step.mark);
    }
    EXPECT_EQ(glbMain::gameHidden + glbMain::gamePaused, 0) << "Enter and Ctrl never reached the game";
    // Fast on another key than V ends too when the window loses the focus.
    input::Bindings keys = input::Default_Bindings();
    keys.keys[static_cast<int>(input::Action::Fast)] = Qt::Key_Z;
    input::Set_Bindings(keys);
    QTest::keyPress(form, Qt::Key_Z);
    EXPECT_EQ(mark(), "REPLAY x4");
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(form, &deactivate);
    input::Set_Bindings(input::Default_Bindings());
    EXPECT_EQ(mark(), "REPLAY") << "fast held when the focus went";
    form->close();
    EXPECT_TRUE(watch.Host().Stopping()) << "the close box stops the watching";
}

TEST_F(WatchTest, TheViewersClockStandsStillWhilePausedAndRunsFourTimesAsFastWithV) {
    app::WatchHost pace(host);
    const int32_t start = pace.TimeMs();
    pace.SetFast(true);
    host.clock += 100;
    pace.SetPaused(true);
    host.clock += 1000;
    pace.SetPaused(false);
    pace.SetFast(false);
    host.clock += 50;
    EXPECT_EQ(pace.TimeMs() - start, 450);
    // A 25 ms frame at four times the pace is over in 7 ms of the player's time.
    pace.SetFast(true);
    const int32_t real = host.clock;
    pace.WaitUntil(pace.TimeMs() + 25);
    EXPECT_EQ(host.clock - real, 7);
    pace.Stop();
    EXPECT_THROW(pace.DoEvents(), replay::Stopped);
}
