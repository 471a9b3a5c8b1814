#include "replay/Recorder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/Random.h"
#include "platform/SaveFile.h"
#include "replay/Kept.h"
#include "replay/Text.h"

namespace replay {

using namespace platform;

uint64_t GameSeed(uint64_t runSeed, uint64_t game) { return runSeed + game; }

Recorder::Recorder(Host& live, uint64_t runSeed) : RelayHost(live), runSeed_(runSeed) {}

Recorder::~Recorder() { CloseTrace(); }

bool Recorder::KeyHeld(int vk) {
    const int bit = MaskBit(vk);
    if (!inGame_ || !bit) return Inner().KeyHeld(vk);
    if (!snapped_) {
        snapped_ = true;
        snapMask_ = 0;
        for (int i = 0; i < 6; ++i)
            if (Inner().KeyHeld(kMaskKeys[i])) snapMask_ |= 1 << i;
        if (snapMask_ != lastMask_ && Recording()) replay_.keys.push_back({glbMain::gamePass, snapMask_});
        lastMask_ = snapMask_;
    }
    return (snapMask_ & bit) != 0;
}

int Recorder::MessageBox(const Text& prompt, const Text& title, int buttons) {
    const int answer = Inner().MessageBox(prompt, title, buttons);
    if (inGame_) {
        if (trace_) trace_->Writer()->Box(title.Japanese(), prompt.Japanese());
        if (buttons == MB_YESNO && Recording()) replay_.answers.push_back({glbMain::gamePass, answer == IDYES});
    }
    return answer;
}

void Recorder::GameStarting() {
    // Nothing has drawn from the generator yet in this game: seeding here is what a replay does.
    replay_ = Replay{};
    replay_.seed = GameSeed(runSeed_, games_++);
    Randomize(replay_.seed);
    Capture_Start(replay_);
    inGame_ = true;
    snapped_ = false;
    lastMask_ = 0;
    if (Recording()) {
        // Room for hours of play, so that recording never allocates in the middle of a frame.
        replay_.keys.reserve(1 << 18);
        replay_.events.reserve(1 << 12);
        replay_.holds.reserve(1 << 12);
        replay_.answers.reserve(16);
    }
    CloseTrace();
    if (!tracePath_.empty()) {
        trace_ = std::make_unique<TraceFile>(tracePath_);
        if (trace_->Writer()) trace_->Writer()->Begin();
        else CloseTrace();
    }
}

void Recorder::PassStarting() {
    // Every pass takes a fresh snapshot at its first poll; the V poll of the frame wait
    // still belongs to the pass before.
    snapped_ = false;
}

void Recorder::PassEnded() {
    if (trace_) trace_->Writer()->Pass();
}

void Recorder::KeyEventHandled(const char* name) {
    Key key{};
    if (!inGame_ || !Recording() || !KeyFromName(name, key)) return;
    // Events of the frame wait and the event pass belong to the next pass, which gamePass
    // already counts; those of the pause hold to the pass that holds.
    (glbMain::gameInHold ? replay_.holds : replay_.events).push_back({glbMain::gamePass, key});
}

void Recorder::GameEnded() {
    inGame_ = false;
    glbSystem::RankRecord result;
    replay_.end = EndItem{glbMain::gamePass, Game_Ending(result), glbMain::gameScore};
    if (trace_) trace_->Writer()->Finish(Stop::None);
    CloseTrace();
    if (keep_) Keep_Replay(replay_, std::time(nullptr));
    if (replayPath_.empty()) return;
    if (const int error = Save_File(replayPath_, Format(replay_), OtherFiles::WriteInPlace))
        Warn("cannot write the replay to " + Printable(replayPath_) + ": " + std::strerror(error));
}

void Recorder::Warn(std::string message) {
    // Every game of a run meets the same full disk: each failure is said once.
    if (!said_.insert(message).second) return;
    std::fprintf(stderr, "ponigari: %s\n", message.c_str());
    if (error_.empty()) error_ = std::move(message);
}

void Recorder::CloseTrace() {
    if (trace_ && !trace_->Close()) Warn("cannot write the trace to " + Printable(tracePath_) + ": " + trace_->Reason());
    trace_.reset();
}

} // namespace replay
