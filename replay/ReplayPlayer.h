#pragma once
// Plays a replay through the real frame loop: the host the rules ask for keys, boxes and
// events, and the observer that seeds the game and traces its passes.
#include <cstdint>
#include <string>

#include "game/glbMain.h"
#include "platform/Platform.h"
#include "records/Ranking.h"
#include "replay/Replay.h"
#include "replay/Trace.h"

namespace replay {

// Thrown out of the frame loop when a playback stops before the game ends by itself.
struct Stopped {
    Stop why;
};

class ReplayPlayer : public platform::Host, public glbMain::GameObserver {
public:
    // With a live host the game runs at its pace with music and shows its boxes; without
    // one it runs headless: a clock of its own, no sound, no waiting.
    explicit ReplayPlayer(const Replay& replay, platform::Host* live = nullptr);

    void SetTrace(TraceWriter* trace) { trace_ = trace; }
    // Stop before pass n begins; negative for no limit.
    void SetPassLimit(int64_t n) { limit_ = n; }

    int32_t TimeMs() override;
    bool KeyHeld(int vk) override;
    int MessageBox(const platform::Text& prompt, const platform::Text& title, int buttons) override;
    void MediaCommand(const std::string& command) override;
    void MediaFileName(const std::string& fileName) override;
    void DoEvents() override;
    void WaitUntil(int32_t deadlineMs) override;
    void IdleEvents() override;
    void Beep() override;
    void SoundEffect(platform::Effect effect) override;
    // The rules never ask these; the windows and controllers of a watched replay do.
    bool HasFocus() override;
    bool KeyDownAnywhere(int vk) override;
    double Today() override;
    std::string TimeOfDay() override;

    void GameStarting() override;
    void PassStarting() override;
    void PassEnded() override;

private:
    // The next hold item of the running pass, after skipping those an earlier pass left.
    const EventItem* NextHold();

    const Replay& r_;
    platform::Host* live_;
    TraceWriter* trace_ = nullptr;
    int64_t limit_ = -1;
    int32_t clock_ = 0;
    int64_t pass_ = 0;  // the pass running, or about to
    int mask_ = 0;
    size_t keysAt_ = 0, eventsAt_ = 0, holdsAt_ = 0, answersAt_ = 0;
    // Whether the running turn of the pause hold took an unhide item at its F12 poll.
    bool tookUnhide_ = false;
};

// The world reset leaves some fields as the last game left them (the ship's death frame, the
// idle weapons' geometry, the boss's figures). No rule reads them before writing them, but a
// trace shows them, so a replay starts from them as a freshly started program has them.
void Forget_EarlierGames();

struct PlayOptions {
    platform::Host* live = nullptr;
    TraceWriter* trace = nullptr;
    int64_t passLimit = -1;
};

struct PlayOutcome {
    Stop stop = Stop::None;
    glbSystem::RankRecord result;  // all zero unless the game gave one
    EndItem end{};                 // the passes run, the ending (when stop is None), the score
    // Empty unless the replay's end line tells another story than the game: then how they
    // differ, beginning with the first pass where they do.
    std::string desync;
};

// Applies the replay's settings and ranking rows, plays the game, writes the trace's final
// object. The host installed before is installed again afterwards: the live host may be one
// that lives only as long as the playback. A replay with an end line plays no pass beyond it.
PlayOutcome Play_Replay(const Replay& replay, const PlayOptions& options = {});

} // namespace replay
