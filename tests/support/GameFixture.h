#pragma once
// A fresh world on a scripted host for every rule test: reset, arrange, run steps, assert.
#include <gtest/gtest.h>

#include "game/GameWindow.h"
#include "game/glbMain.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "platform/ScriptedHost.h"
#include "records/Config.h"

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
