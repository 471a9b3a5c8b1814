// What the game window costs on a real X server, as a player measures it: a shielded game in
// the 1x window and then full screen, 5 s each, on a private Xvfb with openbox; the processor
// time of the game and of the X server in each, and the ratio of full screen to window.
// Arguments: screen sizes to measure on, each its own server (default 3840x2160); --runs N
// takes the median of N measurements of each (default 3); --after S measures from S seconds
// into the game instead of 1 (later is busier).
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
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

constexpr double kSeconds = 5.0;

double WallSeconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// User and system time of a process so far, in seconds.
double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // After the command's name (which may hold spaces) come the state, the 3rd field, on to
    // utime and stime, the 14th and 15th.
    const size_t close = line.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(line.substr(close + 1));
    std::string skip;
    for (int field = 3; field < 14; ++field) fields >> skip;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

pid_t Spawn(const std::vector<std::string>& argv, int keepFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != keepFd) close(fd);
    if (FILE* null = std::fopen("/dev/null", "w")) {
        dup2(fileno(null), 1);
        dup2(fileno(null), 2);
    }
    execvp(args[0], args.data());
    _exit(127);
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// A private X server of the given size with openbox on it; DISPLAY names it.
struct Desktop {
    pid_t server = -1, manager = -1;

    bool Start(const std::string& size) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) return false;
        server = Spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-noreset", "-nolisten", "tcp", "-screen",
                        "0", size + "x24"},
                       pipeFds[1]);
        close(pipeFds[1]);
        // The number and its newline may come in two writes; closing the pipe between them
        // would end the server.
        std::string number;
        char c;
        while (read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
        close(pipeFds[0]);
        if (number.empty()) return false;
        setenv("DISPLAY", (":" + number).c_str(), 1);
        manager = Spawn({"openbox", "--sm-disable"});
        // Ready once openbox answers as the window manager.
        for (int i = 0; i < 100; ++i) {
            if (std::system("wmctrl -m >/dev/null 2>&1") == 0) return true;
            usleep(100000);
        }
        return false;
    }
    ~Desktop() {
        Stop(manager);
        Stop(server);
    }
};

struct Cost {
    double game = 0, server = 0;  // percent of one core
    int passes = 0;
    double total() const { return game + server; }
};

// A shielded ship: no game-over box may cut the measurement short.
class Passes : public glbMain::GameObserver {
public:
    void PassStarting() override {
        if (glbMain::gamePass == 0) glbMain::Cheat_Shield();
    }
    void PassEnded() override { ++count; }
    int count = 0;
};

// One game, full screen or in the 1x window: kSeconds measured from afterMs into it.
Cost Measure(bool fullScreen, pid_t server, int afterMs) {
    glbMain::gameFullScreen = fullScreen;
    // The same game every time: the window and the full screen show the same frames.
    platform::Randomize(1);
    Passes passes;
    glbMain::gameObserver = &passes;
    Cost cost;
    double wall = 0, game = 0, x = 0;
    QTimer::singleShot(afterMs, [&] {
        wall = WallSeconds();
        game = CpuSeconds(getpid());
        x = CpuSeconds(server);
        passes.count = 0;
    });
    QTimer::singleShot(afterMs + static_cast<int>(kSeconds * 1000), [&] {
        const double elapsed = WallSeconds() - wall;
        cost.game = 100 * (CpuSeconds(getpid()) - game) / elapsed;
        cost.server = 100 * (CpuSeconds(server) - x) / elapsed;
        cost.passes = passes.count;
        glbMain::Form_KeyPress(27);
    });
    glbSystem::RankRecord result;
    glbMain::Run_Game(result);
    glbMain::gameObserver = nullptr;
    return cost;
}

Cost Median(std::vector<Cost> runs) {
    std::sort(runs.begin(), runs.end(), [](const Cost& a, const Cost& b) { return a.total() < b.total(); });
    return runs[runs.size() / 2];
}

void Print(const char* what, const Cost& c) {
    std::printf("  %-22s game %5.1f %%   X server %5.1f %%   together %5.1f %%   (%d passes)\n", what, c.game,
                c.server, c.total(), c.passes);
}

// Both measurements on a new server of this size; the exit status of the process.
int MeasureOn(const std::string& size, int runs, int afterMs, int argc, char** argv) {
    Desktop desktop;
    if (!desktop.Start(size)) {
        std::fprintf(stderr, "screen_bench: no X server with a window manager at %s\n", size.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    app::LiveHost host;
    platform::InstallHost(&host);
    glbMain::LiveGameWindow window;
    glbMain::InstallWindow(&window);
    std::vector<Cost> windowed, full;
    for (int r = 0; r < runs; ++r) {
        windowed.push_back(Measure(false, desktop.server, afterMs));
        full.push_back(Measure(true, desktop.server, afterMs));
    }
    glbMain::InstallWindow(nullptr);
    platform::InstallHost(nullptr);
    const Cost w = Median(windowed), f = Median(full);
    std::printf("screen %s:\n", size.c_str());
    Print("1x window", w);
    Print("full screen", f);
    std::printf("  full screen / window: %.2f (game %.2f, X server %.2f)\n", f.total() / w.total(), f.game / w.game,
                f.server / w.server);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> sizes;
    int runs = 3, afterMs = 1000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--after") == 0 && i + 1 < argc) afterMs = std::atoi(argv[++i]) * 1000;
        else sizes.push_back(argv[i]);
    }
    if (sizes.empty()) sizes.push_back("3840x2160");
    qputenv("QT_QPA_PLATFORM", "xcb");
    glbSystem::Default_Config();
    glbSystem::cfgBgm = 0;

    std::printf("processor time over %.0f s of a shielded game from %d s on, median of %d, in %% of one core\n",
                kSeconds, afterMs / 1000, runs);
    std::fflush(stdout);
    int failed = 0;
    for (const std::string& size : sizes) {
        // Each server in a process of its own: Qt keeps the display it started with.
        const pid_t child = fork();
        if (child == 0) _exit(MeasureOn(size, runs, afterMs, argc, argv));
        int status = 0;
        waitpid(child, &status, 0);
        failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    return failed ? 1 : 0;
}
