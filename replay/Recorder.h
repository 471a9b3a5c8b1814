#pragma once
// A live run's games: each is seeded on its own, so that it can be replayed, kept in the
// replays folder when it ends with a result, and, when asked, recorded to a replay file and
// traced pass by pass.
#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "game/glbMain.h"
#include "platform/Platform.h"
#include "platform/RelayHost.h"
#include "replay/Replay.h"
#include "replay/Trace.h"

namespace replay {

// Game k of a run (counted from 0) is seeded with the run's seed + k (modulo 2^64): the
// first game of `--seed S` replays from seed S, and one seed reproduces a whole run.
uint64_t GameSeed(uint64_t runSeed, uint64_t game);

class Recorder : public platform::RelayHost, public glbMain::GameObserver {
public:
    Recorder(platform::Host& live, uint64_t runSeed);
    ~Recorder() override;

    // Every game that ends with a result is kept in the replays folder (replay/Kept.h).
    void KeepGames(bool keep) { keep_ = keep; }
    // Every game writes its replay here when it ends; empty for none.
    void RecordTo(std::string path) { replayPath_ = std::move(path); }
    // Every game writes its trace here ("-" for standard output), replacing the last one's.
    void TraceTo(std::string path) { tracePath_ = std::move(path); }
    // The replay of the game running or last played.
    const Replay& Current() const { return replay_; }
    // Set when a replay or trace of this run could not be written: the first such failure.
    const std::string& Error() const { return error_; }

    bool KeyHeld(int vk) override;
    int MessageBox(const platform::Text& prompt, const platform::Text& title, int buttons) override;

    void GameStarting() override;
    void PassStarting() override;
    void PassEnded() override;
    void KeyEventHandled(const char* name) override;
    void GameEnded() override;

private:
    void CloseTrace();
    void Warn(std::string message);

    bool Recording() const { return keep_ || !replayPath_.empty(); }

    uint64_t runSeed_;
    uint64_t games_ = 0;
    bool keep_ = false;
    std::string replayPath_, tracePath_, error_;
    std::set<std::string> said_;
    bool inGame_ = false;
    Replay replay_;
    // All polls of a pass see the keys as they were at its first poll, so that the mask a
    // replay holds is exactly what the rules saw.
    bool snapped_ = false;
    int snapMask_ = 0;
    int lastMask_ = 0;
    std::unique_ptr<TraceFile> trace_;
};

} // namespace replay
