// Plays whole games with random keys, random settings and the debugging keys, so that every
// table, the boss fight and the end screens run thousands of frames under the sanitizers.
// The keys come from their own generator: the game's generator stays the game's.
#include <QGuiApplication>
#include <cstdio>
#include <random>

#include "game/GameWindow.h"
#include "game/Keys.h"
#include "game/glbMain.h"
#include "platform/Random.h"
#include "platform/ScriptedHost.h"
#include "records/Config.h"
#include "records/Ranking.h"

using namespace platform;

namespace {

constexpr int kHeldKeys[] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_SPACE, VK_V};

long PlayOne(uint64_t seed, int passes) {
    ScriptedHost host;
    InstallHost(&host);
    glbMain::HeadlessWindow window;
    glbMain::InstallWindow(&window);
    std::mt19937 keys(static_cast<uint32_t>(seed));
    auto chance = [&keys](int in) { return std::uniform_int_distribution<int>(0, in - 1)(keys) == 0; };

    glbSystem::Default_Config();
    glbSystem::cfgHardMode = static_cast<int16_t>(seed % 2);
    glbSystem::cfgEasyBlast = chance(2) ? -1 : 0;
    glbSystem::cfgStar = chance(4) ? 0 : -1;
    for (int row = 0; row < 6; ++row) glbSystem::RankData[row].Used = chance(2) ? -1 : 0;
    Randomize(seed);

    int64_t lastPass = -1;
    bool equipped = false;
    host.onEvents = [&] {
        if (glbMain::gameQuit) return;
        if (glbMain::gameInHold && !equipped) {
            // Most games are armed to last: a shield of 512, full power, and some go to the boss.
            equipped = true;
            if (seed % 4 != 0) glbMain::Form_KeyUp(VK_F9);
            if (seed % 2 == 1) glbMain::Form_KeyUp(VK_F8);
            if (seed % 3 == 0) glbMain::Form_KeyUp(VK_F11);
            glbMain::Form_KeyDown(VK_CONTROL);
            return;
        }
        if (glbMain::gameInHold) {
            // Inside a pause: maybe a debugging key, then resume (or show a hidden window first).
            if (glbMain::gameHidden) host.Hold(VK_F12);
            static constexpr int debugKeys[] = {VK_F7, VK_F8, VK_F9, VK_F10, VK_F11};
            if (chance(3)) glbMain::Form_KeyUp(debugKeys[std::uniform_int_distribution<int>(0, 4)(keys)]);
            if (!glbMain::gameHidden) glbMain::Form_KeyDown(VK_CONTROL);
            return;
        }
        host.Hold(VK_F12, false);
        if (glbMain::gamePass == lastPass) return;
        lastPass = glbMain::gamePass;
        if (glbMain::gamePass >= passes) {
            glbMain::Form_KeyPress(27);
            return;
        }
        if (glbMain::gamePass == 1) glbMain::Form_KeyDown(VK_CONTROL);
        if (chance(8))
            for (int key : kHeldKeys) host.Hold(key, chance(2));
        if (chance(300)) glbMain::Form_KeyDown(VK_CONTROL);
        if (chance(2000)) glbMain::Form_KeyDown(VK_RETURN);
    };
    glbSystem::RankRecord result;
    glbMain::Run_Game(result);
    std::printf("seed %llu: %lld passes, frame %d, score %d, %zu boxes\n", static_cast<unsigned long long>(seed),
                static_cast<long long>(glbMain::gamePass), glbMain::gameFrame, glbMain::gameScore, host.boxes.size());
    glbMain::InstallWindow(nullptr);
    InstallHost(nullptr);
    return static_cast<long>(glbMain::gamePass);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    long total = 0;
    for (uint64_t seed = 1; seed <= 8; ++seed) total += PlayOne(seed, 4000);
    std::printf("%ld passes played without a sanitizer report\n", total);
    std::printf("1 passed, 0 failed\n");
    return 0;
}
