#pragma once
// A fresh world on a scripted host for every rule test: reset, arrange, run steps, assert.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/GameWindow.h"
#include "game/glbMain.h"
#include "platform/Random.h"
#include "platform/ScriptedHost.h"
#include "platform/Types.h"
#include "records/Config.h"
#include "records/Ranking.h"

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallHost(&host);
        glbMain::InstallWindow(&window);
        glbMain::gameObserver = nullptr;
        glbSystem::Default_Config();
        glbSystem::RankData = {};
        platform::Randomize(12345);
        glbMain::Reset_World();
    }
    void TearDown() override {
        glbMain::InstallWindow(nullptr);
        platform::InstallHost(nullptr);
    }

    platform::ScriptedHost host;
    glbMain::HeadlessWindow window;
};

// Slots in use in one of the game's tables.
template <typename Table>
int CountActive(const Table& table) {
    int n = 0;
    for (const auto& slot : table) n += slot.Active != 0;
    return n;
}

// The next n values the generator gives for this seed; the generator is left freshly seeded
// with it, so the rules under test draw exactly these.
inline std::vector<double> NextDraws(uint64_t seed, int n) {
    platform::Randomize(seed);
    std::vector<double> r;
    for (int i = 0; i < n; ++i) r.push_back(platform::Rnd());
    platform::Randomize(seed);
    return r;
}
