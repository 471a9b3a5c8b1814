// Frame pacing of the live loop: runs a real game (offscreen window, live clock and event
// loop, no music) for a few seconds, then pauses it, and reports frame lengths and the
// processor time the process used per second of play and of pause.
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/LiveHost.h"
#include "game/Keys.h"
#include "game/frmMain.h"
#include "game/glbMain.h"
#include "platform/Random.h"
#include "player/Player.h"
#include "records/Config.h"
#include "records/Ranking.h"

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class FrameClock : public glbMain::GameObserver {
public:
    // A shielded ship: no game-over box may cut the measurement short.
    void PassStarting() override {
        if (glbMain::gamePass == 0) glbMain::Cheat_Shield();
    }
    void PassEnded() override {
        const double now = WallSeconds();
        if (last_ > 0 && recording) lengthsMs.push_back((now - last_) * 1000.0);
        last_ = now;
    }
    std::vector<double> lengthsMs;
    bool recording = true;

private:
    double last_ = 0;
};

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double playSeconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    const double pauseSeconds = argc > 2 ? std::atof(argv[2]) : 3.0;

    app::LiveHost host;
    platform::InstallHost(&host);
    glbMain::LiveGameWindow window;
    glbMain::InstallWindow(&window);
    platform::Randomize(1);
    glbSystem::Default_Config();
    glbSystem::cfgBgm = 0;

    FrameClock clock;
    glbMain::gameObserver = &clock;
    double playCpu = 0, playWall = 0, pauseCpu = 0, pauseWall = 0;
    double markCpu = 0, markWall = 0;
    const int playMs = static_cast<int>(playSeconds * 1000);
    const int pauseMs = static_cast<int>(pauseSeconds * 1000);

    // Skip the first second: start-up and the first paints are not play.
    QTimer::singleShot(1000, [&] { markCpu = CpuSeconds(); markWall = WallSeconds(); clock.lengthsMs.clear(); });
    QTimer::singleShot(1000 + playMs, [&] {
        playCpu = CpuSeconds() - markCpu;
        playWall = WallSeconds() - markWall;
        clock.recording = false;
        glbMain::Form_KeyDown(platform::VK_CONTROL);
        markCpu = CpuSeconds();
        markWall = WallSeconds();
    });
    QTimer::singleShot(1000 + playMs + pauseMs, [&] {
        pauseCpu = CpuSeconds() - markCpu;
        pauseWall = WallSeconds() - markWall;
        glbMain::Form_KeyPress(27);
    });
    QTimer::singleShot(0, [] {
        glbSystem::RankRecord result;
        glbMain::Run_Game(result);
        QCoreApplication::quit();
    });
    QApplication::exec();

    if (clock.lengthsMs.empty()) return 1;
    std::printf("frames measured: %zu over %.2f s of play\n", clock.lengthsMs.size(), playWall);
    std::printf("frame length: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
                Percentile(clock.lengthsMs, 0.5), Percentile(clock.lengthsMs, 0.99),
                Percentile(clock.lengthsMs, 1.0));
    std::printf("processor time: %.2f %% of one core while playing, %.2f %% while paused\n",
                100.0 * playCpu / playWall, 100.0 * pauseCpu / pauseWall);
    glbMain::InstallWindow(nullptr);
    return 0;
}
