// Game controllers in a real X server, played with SDL's virtual controllers: the buttons reach
// the game through the polls and key events the keyboard uses, a recorded game replays to
// the same trace, controllers come and go while held, and the menu and boxes answer them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <map>
#include <sstream>

#include "app/LiveHost.h"
#include "app/frmMenu.h"
#include "game/frmMain.h"
#include "input/LivePads.h"
#include "input/PadKeys.h"
#include "player/Player.h"
#include "player/Weapons.h"
#include "records/Config.h"
#include "records/frmRank.h"
#include "replay/Recorder.h"
#include "replay/ReplayPlayer.h"
#include "support/VirtualPad.h"
#include "ui/Center.h"

using namespace glbMain;
using namespace platform;
using namespace input;

namespace {

constexpr double kInsideDeadZone = 0.2, kBeyondDeadZone = 0.5;

std::string Read(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void PostKey(QWidget* target, int key) {
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

} // namespace

class PadTest : public ::testing::Test, public GameObserver {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        ASSERT_TRUE(pad.Attached()) << SDL_GetError();
        host.SetPads(&pads);
        pads.onButton = input::Route_PadButton;
        recorder.RecordTo(dir.filePath("game.rep").toStdString());
        recorder.TraceTo(dir.filePath("game.jsonl").toStdString());
        InstallHost(&recorder);
        InstallWindow(&window);
        gameObserver = this;
        glbSystem::Default_Config();
        glbSystem::cfgBgm = 0;
        glbSystem::RankData = {};
        // A script that stalls inside the game or a box must not hang the test: end them.
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
            if (window.form()) PostKey(window.form(), Qt::Key_Escape);
        });
        watchdog.start(60000);
    }
    void TearDown() override {
        watchdog.stop();
        gameObserver = nullptr;
        InstallWindow(nullptr);
        InstallHost(nullptr);
        QDir::setCurrent(previous);
    }

    // One game; at the start of pass p, at[p] runs. The ship's place is noted at every pass.
    void Play() {
        glbSystem::RankRecord result;
        Run_Game(result);
    }
    void GameStarting() override { recorder.GameStarting(); }
    void PassStarting() override {
        recorder.PassStarting();
        if (gamePass == 0) {
            // Keys count only while the game has the focus.
            ASSERT_TRUE(QTest::qWaitFor([this] { return Active(window.form()); }, 10000));
        }
        xs.push_back(Player.X);
        ys.push_back(Player.Y);
        paused.push_back(gamePaused);
        if (const auto step = at.find(gamePass); step != at.end()) step->second();
    }
    void PassEnded() override { recorder.PassEnded(); }
    void KeyEventHandled(const char* name) override { recorder.KeyEventHandled(name); }
    void GameEnded() override { recorder.GameEnded(); }
    // Whether w is shown with the focus. Without a window manager nothing gives a new window
    // the focus, so it is asked for, as a click would.
    static bool Active(QWidget* w) {
        if (!w || !w->isVisible()) return false;
        if (QGuiApplication::focusWindow() != w->windowHandle()) w->activateWindow();
        return QGuiApplication::focusWindow() == w->windowHandle();
    }
    void EndAt(int64_t pass) {
        at[pass] = [this] { PostKey(window.form(), Qt::Key_Escape); };
    }

    QTemporaryDir dir;
    QString previous;
    app::LiveHost host;
    LivePads pads;
    VirtualPad pad;
    replay::Recorder recorder{host, 7};
    LiveGameWindow window;
    std::map<int64_t, std::function<void()>> at;
    std::vector<int16_t> xs, ys;
    std::vector<int16_t> paused;
    QTimer watchdog;
};

TEST_F(PadTest, ButtonsHoldTheGameKeysAndTheGameReplaysToTheSameTrace) {
    using B = SDL_GameControllerButton;
    const auto press = [this](B b, bool down) { return [this, b, down] { pad.Button(b, down); }; };
    at[1] = press(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    at[3] = [&] { press(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false)(), pad.Stick(kInsideDeadZone, -kInsideDeadZone); };
    at[5] = [this] { pad.Stick(kBeyondDeadZone, kInsideDeadZone); };  // slanted: right only
    at[7] = [this] { pad.Stick(0, -kBeyondDeadZone); };
    at[9] = [&] { pad.Stick(0, 0), press(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true)(); };
    at[11] = [&] { press(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false)(), press(SDL_CONTROLLER_BUTTON_A, true)(); };
    int shots = 0;
    at[13] = [&] {
        shots = static_cast<int>(std::count_if(BalkanShot.begin(), BalkanShot.end(), [](const auto& s) { return s.Active != 0; }));
        pad.Button(SDL_CONTROLLER_BUTTON_A, false);
        pad.Button(SDL_CONTROLLER_BUTTON_X, true);
    };
    at[15] = press(SDL_CONTROLLER_BUTTON_X, false);
    at[17] = press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
    at[19] = press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);
    // Start pauses; in the hold Enter hides the game, Back brings it back and Start resumes.
    std::unique_ptr<Steps> hold;
    at[21] = [&] {
        pad.Button(SDL_CONTROLLER_BUTTON_START, true);
        hold = std::make_unique<Steps>(std::vector<Steps::Step>{
            {[] { return gameInHold; }, press(SDL_CONTROLLER_BUTTON_START, false)},
            {[] { return true; }, [this] { PostKey(window.form(), Qt::Key_Return); }},
            {[] { return gameHidden != 0; }, press(SDL_CONTROLLER_BUTTON_BACK, true)},
            {[this] { return !gameHidden && Active(window.form()); }, press(SDL_CONTROLLER_BUTTON_BACK, false)},
            {[] { return true; }, press(SDL_CONTROLLER_BUTTON_START, true)},
            {[] { return !gamePaused; }, press(SDL_CONTROLLER_BUTTON_START, false)},
        });
    };
    EndAt(24);
    Play();

    const int16_t step = 2 * Player.Speed;
    EXPECT_EQ(xs[3] - xs[1], -step);
    EXPECT_EQ(xs[5], xs[3]) << "the stick inside its dead zone";
    EXPECT_EQ(ys[5], ys[3]);
    EXPECT_EQ(xs[7] - xs[5], step);
    EXPECT_EQ(ys[7], ys[5]) << "a slanted stick steers along the axis beyond the dead zone only";
    EXPECT_EQ(ys[9] - ys[7], -step);
    EXPECT_EQ(ys[11] - ys[9], step);
    EXPECT_FALSE(paused[21]);
    EXPECT_TRUE(paused[22]);
    EXPECT_FALSE(paused[23]);
    EXPECT_GT(shots, 0);
    // What the polls saw and where the key events came: left, the stick inside its dead zone
    // (nothing), right, up, down, Space, V (X), nothing, V (shoulder), nothing; Start, then
    // in the hold Enter, Back and Start; Esc.
    const std::string rep = Read(dir.filePath("game.rep"));
    EXPECT_EQ(rep.substr(rep.find("keys")),
              "keys 1 1\nkeys 3 0\nkeys 5 4\nkeys 7 2\nkeys 9 8\nkeys 11 16\nkeys 13 32\nkeys 15 0\nkeys 17 32\n"
              "keys 19 0\nevent 22 ctrl\nhold 22 enter\nhold 22 unhide\nhold 22 ctrl\nevent 25 esc\nend 25 aborted 0\n");

    // Headless, the replay plays the same game.
    replay::Replay again;
    ASSERT_TRUE(replay::Parse(rep, again).ok);
    const QString trace = dir.filePath("again.jsonl");
    std::FILE* file = std::fopen(trace.toStdString().c_str(), "wb");
    {
        replay::TraceWriter writer(file);
        replay::Play_Replay(again, {nullptr, &writer, -1});
    }
    std::fclose(file);
    EXPECT_TRUE(Read(trace) == Read(dir.filePath("game.jsonl"))) << "the replay plays another game";
}

TEST_F(PadTest, ControllersPluggedInOrPulledOutWhileHeld) {
    std::unique_ptr<VirtualPad> first, second;
    const auto plugHoldingRight = [](std::unique_ptr<VirtualPad>& pad) {
        pad = std::make_unique<VirtualPad>();
        pad->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    };
    at[1] = [&] { plugHoldingRight(first); };
    at[3] = [&] { plugHoldingRight(second); };
    at[5] = [&] { first->Unplug(); };   // the second one still holds
    at[7] = [&] { second->Unplug(); };  // and lets go as it goes
    EndAt(9);
    Play();
    EXPECT_EQ(xs[7] - xs[1], 6 * Player.Speed);
    EXPECT_EQ(xs[9], xs[7]);
}

class PadMenuTest : public PadTest {
protected:
    void SetUp() override {
        PadTest::SetUp();
        InstallHost(&host);
        gameObserver = nullptr;
        app::End_Program = [] { ++ended; };
        ui::Show_Centered(app::Menu());
    }
    void TearDown() override {
        app::Menu()->hide();
        app::End_Program = nullptr;
        PadTest::TearDown();
    }
    static inline int ended = 0;
};

TEST_F(PadMenuTest, TheDpadWalksTheMenuAndTheFaceButtonsAnswerItsWindows) {
    using B = SDL_GameControllerButton;
    app::frmMenu* menu = app::Menu();
    std::vector<Steps::Step> steps;
    // A virtual button held for less than one read of the controllers is never seen.
    const std::map<B, PadButton> seen = {{SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadLeft}, {SDL_CONTROLLER_BUTTON_DPAD_UP, PadUp},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadRight}, {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadDown},
        {SDL_CONTROLLER_BUTTON_A, PadA}, {SDL_CONTROLLER_BUTTON_B, PadB}};
    const auto tap = [&](B button, std::function<bool()> when) {
        steps.push_back({std::move(when), [this, button] { pad.Button(button, true); }});
        steps.push_back({[this, held = seen.at(button)] { return pads.Pads().Held(held); },
                         [this, button] { pad.Button(button, false); }});
    };
    const auto focusOn = [menu](QPushButton* button) {
        return [menu, button] { return Active(menu) && QApplication::focusWidget() == button; };
    };
    tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, focusOn(menu->cmdStart));
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN, focusOn(menu->cmdRank));
    tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT, focusOn(menu->cmdExit));
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP, focusOn(menu->cmdConfig));
    tap(SDL_CONTROLLER_BUTTON_A, focusOn(menu->cmdStart));
    // In the game B is nothing; the keyboard's Esc ends it.
    tap(SDL_CONTROLLER_BUTTON_B, [this] { return Active(window.form()); });
    steps.push_back({[] { return gamePass > 5; }, [this] { PostKey(window.form(), Qt::Key_Escape); }});
    tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, focusOn(menu->cmdStart));
    tap(SDL_CONTROLLER_BUTTON_A, focusOn(menu->cmdRank));
    tap(SDL_CONTROLLER_BUTTON_B, [] { return Active(glbSystem::Rank_Window()); });
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN, [menu] { return !glbSystem::Rank_Window() && Active(menu); });
    tap(SDL_CONTROLLER_BUTTON_A, focusOn(menu->cmdExit));
    tap(SDL_CONTROLLER_BUTTON_B, [] { return Active(QApplication::activeModalWidget()); });  // いいえ
    tap(SDL_CONTROLLER_BUTTON_A, [&] { return ended == 0 && focusOn(menu->cmdExit)(); });
    tap(SDL_CONTROLLER_BUTTON_A, [] { return Active(QApplication::activeModalWidget()); });  // はい
    Steps script(std::move(steps));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended == 1; }, 90000)) << "stopped before step " << script.Next();
    EXPECT_TRUE(gameAborted) << "a game was played";
}
