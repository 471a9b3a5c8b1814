// Game controllers in the live loop, with one of SDL's virtual controllers: how long a press
// takes to be seen by the game's polls and by the windows, what one read of the controllers
// costs, and the frame pacing and processor time with a controller plugged in.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/LiveHost.h"
#include "game/Keys.h"
#include "game/frmMain.h"
#include "game/glbMain.h"
#include "input/LivePads.h"
#include "input/PadKeys.h"
#include "player/Player.h"
#include "records/Config.h"
#include "records/Ranking.h"
#include "tests/support/VirtualPad.h"

namespace {

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double m : ms) sum += m;
    if (ms.empty()) return;
    std::printf("%s: %zu samples, mean %.2f ms, median %.2f ms, max %.2f ms\n", what, ms.size(), sum / ms.size(),
                ms[ms.size() / 2], ms.back());
}

// The event loop, sleeping between events, for ms milliseconds.
void Run(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The ship moves in the pass whose poll saw the press: the time from the press to that pass.
class PassWatch : public glbMain::GameObserver {
public:
    void PassStarting() override {
        if (glbMain::gamePass == 0) glbMain::Cheat_Shield();
        passStart = clock.nsecsElapsed() / 1e6;
        x = glbMain::Player.X;
    }
    void PassEnded() override {
        if (pressedAt >= 0 && glbMain::Player.X != x) {
            latencies.push_back(passStart - pressedAt);
            pressedAt = -1;
        }
        if (frames) lengths.push_back(clock.nsecsElapsed() / 1e6 - lastEnd);
        lastEnd = clock.nsecsElapsed() / 1e6;
        ++frames;
    }
    QElapsedTimer clock;
    double pressedAt = -1, passStart = 0, lastEnd = 0;
    int16_t x = 0;
    long frames = 0;
    std::vector<double> latencies, lengths;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    app::LiveHost host;
    input::LivePads pads;
    host.SetPads(&pads);
    platform::InstallHost(&host);
    auto* generator = QRandomGenerator::global();

    // Idle, as in the title menu: with no controller, then with one.
    double cpu = CpuMs();
    Run(3000);
    std::printf("idle processor time, no controller: %.2f %% of one core\n", (CpuMs() - cpu) / 30.0);
    VirtualPad pad;
    Run(200);
    cpu = CpuMs();
    Run(3000);
    std::printf("idle processor time, one controller: %.2f %% of one core\n", (CpuMs() - cpu) / 30.0);

    QElapsedTimer clock;
    clock.start();
    const int reads = 20000;
    for (int i = 0; i < reads; ++i) (void)host.KeyHeld(platform::VK_LEFT);
    std::printf("one poll of a key, controllers read: %.2f us\n", clock.nsecsElapsed() / 1e3 / reads);

    // A window with the focus hears A as Space, posted by the periodic read.
    QWidget window;
    window.show();
    window.activateWindow();
    Run(200);
    double pressedAt = -1;
    std::vector<double> windowLatencies;
    pads.onButton = input::Route_PadButton;
    struct Seen : QObject {
        std::function<void()> onKey;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space) onKey();
            return false;
        }
    } seen;
    seen.onKey = [&] {
        if (pressedAt >= 0) windowLatencies.push_back(clock.nsecsElapsed() / 1e6 - pressedAt);
        pressedAt = -1;
    };
    window.installEventFilter(&seen);
    for (int i = 0; i < 200; ++i) {
        Run(static_cast<int>(generator->bounded(5, 30)));
        pad.Button(SDL_CONTROLLER_BUTTON_A, true);
        pressedAt = clock.nsecsElapsed() / 1e6;
        while (pressedAt >= 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        pad.Button(SDL_CONTROLLER_BUTTON_A, false);
        while (pads.Pads().Held(input::PadA)) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    Report("press to key event in a window", windowLatencies);
    window.hide();

    // A game at its pace, with the d-pad pressed at random moments.
    glbMain::LiveGameWindow gameWindow;
    glbMain::InstallWindow(&gameWindow);
    glbSystem::Default_Config();
    glbSystem::cfgBgm = 0;
    PassWatch watch;
    watch.clock.start();
    glbMain::gameObserver = &watch;
    QTimer presser;
    int presses = 0;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        presser.setInterval(static_cast<int>(generator->bounded(60, 90)));
        const bool right = ++presses % 2;
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, right);
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, !right);
        watch.pressedAt = watch.clock.nsecsElapsed() / 1e6;
        if (presses == 120) glbMain::Form_KeyPress(27);
    });
    double gameCpu = 0, gameWall = 0;
    QTimer::singleShot(0, [&] {
        presser.start(70);
        cpu = CpuMs();
        gameWall = watch.clock.nsecsElapsed() / 1e6;
        glbSystem::RankRecord result;
        glbMain::Run_Game(result);
        gameCpu = CpuMs() - cpu;
        gameWall = watch.clock.nsecsElapsed() / 1e6 - gameWall;
        QCoreApplication::quit();
    });
    QApplication::exec();
    Report("press to the pass that sees it (a pass every 25 ms)", watch.latencies);
    Report("frame length with a controller", watch.lengths);
    std::printf("processor time playing with a controller: %.2f %% of one core\n", 100 * gameCpu / gameWall);
    glbMain::gameObserver = nullptr;
    glbMain::InstallWindow(nullptr);
    return 0;
}
