// Sound effects in the live loop: from the start of the pass that fires a Balkan shot to the
// shot's sound at the sound server. The benchmark starts a PulseAudio of its own with a null
// sink, records the sink's monitor with parec, and plays a game at its pace with Space held
// in a few passes out of every 32. The time taken is the one at which the recorder
// receives the first block holding the sound: a little later than the server mixes it.
//   effects_bench          our mixer on SDL's audio, as the game plays effects
//   effects_bench --qt     the same shots through Qt's QSoundEffect, for comparison
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "app/LiveHost.h"
#include "game/Keys.h"
#include "game/frmMain.h"
#include "game/glbMain.h"
#include "platform/LiveSound.h"
#include "platform/QtMediaPlayer.h"
#include "records/Config.h"
#include "records/Ranking.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::time_point t) { return std::chrono::duration<double, std::milli>(t.time_since_epoch()).count(); }

// A child process; its standard output into a pipe when one is asked for.
pid_t Spawn(const std::vector<std::string>& args, int* output = nullptr) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeEnds[2] = {-1, -1};
    if (output && pipe(pipeEnds) == 0) {
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    }
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (output) {
        close(pipeEnds[1]);
        *output = pipeEnds[0];
    }
    return pid;
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Loud blocks as the recorder receives them: mono float samples, 2 ms blocks.
struct Recording {
    std::mutex lock;
    std::vector<double> loudAt;  // arrival of every block with a sample above the threshold
    std::atomic<bool> started{false};

    void Read(int fd) {
        std::vector<float> block(4096);
        for (;;) {
            const ssize_t n = read(fd, block.data(), block.size() * sizeof(float));
            if (n <= 0) return;
            const double now = Ms(Clock::now());
            started = true;
            const auto end = block.begin() + n / static_cast<ssize_t>(sizeof(float));
            if (std::any_of(block.begin(), end, [](float v) { return std::fabs(v) > 0.01f; })) {
                std::lock_guard<std::mutex> hold(lock);
                loudAt.push_back(now);
            }
        }
    }
};

constexpr int kCycle = 32;
constexpr double kCycleMs = kCycle * 25.0;

// The live host, noting the pass in which every effect was asked for.
class TimedHost : public app::LiveHost {
public:
    void SoundEffect(platform::Effect effect) override {
        asked.push_back(passStart);
        if (qt) qt->play();
        else LiveHost::SoundEffect(effect);
    }
    double passStart = 0;
    std::vector<double> asked;
    QSoundEffect* qt = nullptr;
};

class Passes : public glbMain::GameObserver {
public:
    explicit Passes(TimedHost& host) : host_(host) {}
    void PassStarting() override {
        host_.passStart = Ms(Clock::now());
        // The world stays at its first frame: no ぽに come, so the shots are all that sounds.
        glbMain::gameFrame = 0;
        // Space in four passes out of 32 (800 ms): exactly one shot, at the first of them.
        if (glbMain::gamePass % kCycle < 4) host_.PressOnce(platform::VK_SPACE);
    }

private:
    TimedHost& host_;
};

void Report(const char* what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s: %zu samples, median %.1f ms, 90th percentile %.1f ms, max %.1f ms\n", what, ms.size(),
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back());
}

} // namespace

int main(int argc, char** argv) {
    const bool qt = argc > 1 && std::strcmp(argv[1], "--qt") == 0;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir home;
    const std::string dir = home.path().toStdString();
    const std::string socket = dir + "/pulse.socket";
    std::ofstream(dir + "/pulse.pa") << "load-module module-null-sink sink_name=bench\n"
                                     << "load-module module-native-protocol-unix auth-anonymous=1 socket=" << socket
                                     << "\nset-default-sink bench\n";
    setenv("HOME", dir.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    const pid_t server = Spawn({"pulseaudio", "-n", "-F", dir + "/pulse.pa", "--exit-idle-time=-1", "--daemonize=no",
                                "--use-pid-file=no", "--log-target=file:" + dir + "/pulse.log"});
    for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i) usleep(50000);
    if (server <= 0 || access(socket.c_str(), F_OK) != 0) {
        std::fprintf(stderr, "effects_bench: PulseAudio did not start (Debian: pulseaudio pulseaudio-utils)\n");
        Stop(server);
        return 1;
    }
    setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);

    int fd = -1;
    const pid_t recorder = Spawn({"parec", "-d", "bench.monitor", "--raw", "--format=float32le", "--channels=1",
                                  "--rate=44100", "--latency-msec=2"},
                                 &fd);
    Recording recording;
    std::thread reader([&] { recording.Read(fd); });

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The effects are found as in the play folder: in the current one, here the build's music.
    QDir::setCurrent(QCoreApplication::applicationDirPath() + QStringLiteral("/../music"));
    TimedHost host;
    auto owned = std::make_unique<platform::LiveEffects>();
    const platform::LiveEffects& effects = *owned;
    host.SetEffects(std::move(owned));
    platform::InstallHost(&host);
    platform::SetEffectsEnabled(true);
    QSoundEffect qtEffect;
    if (qt) {
        qtEffect.setSource(QUrl::fromLocalFile(platform::FindMusicFile(QStringLiteral("effects/balkan.wav"))));
        host.qt = &qtEffect;
    }
    // The device opens on its own thread; the game starts once it plays and the recorder runs.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000 && !(recording.started && (qt ? qtEffect.isLoaded() : effects.Ready())))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    glbMain::LiveGameWindow window;
    glbMain::InstallWindow(&window);
    glbSystem::Default_Config();
    glbSystem::cfgBgm = 0;
    Passes passes(host);
    glbMain::gameObserver = &passes;
    QTimer::singleShot(0, [] {
        QTimer::singleShot(30000, [] { glbMain::Form_KeyPress(27); });
        glbSystem::RankRecord result;
        glbMain::Run_Game(result);
        QCoreApplication::quit();
    });
    QApplication::exec();
    usleep(300000);  // the last shot reaches the recorder

    std::vector<double> latencies;
    {
        std::lock_guard<std::mutex> hold(recording.lock);
        for (double at : host.asked) {
            const auto heard = std::lower_bound(recording.loudAt.begin(), recording.loudAt.end(), at);
            if (heard != recording.loudAt.end() && *heard - at < kCycleMs) latencies.push_back(*heard - at);
        }
    }
    std::printf("%s: %zu shots fired, %zu heard\n", qt ? "QSoundEffect" : "our mixer on SDL audio", host.asked.size(),
                latencies.size());
    Report("pass to sound at the server", latencies);

    glbMain::gameObserver = nullptr;
    glbMain::InstallWindow(nullptr);
    Stop(recorder);
    Stop(server);
    reader.join();
    close(fd);
    return latencies.size() * 10 >= host.asked.size() * 9 && !host.asked.empty() ? 0 : 1;
}
