#include "replay/Recorder.h"

#include <cstdio>

#include "platform/Random.h"

namespace replay {

using namespace platform;

uint64_t GameSeed(uint64_t runSeed, uint64_t game) { return runSeed + game; }

Recorder::Recorder(Host& live, uint64_t runSeed) : live_(live), runSeed_(runSeed) {}

Recorder::~Recorder() { CloseTrace(); }

bool Recorder::KeyHeld(int vk) {
    const int bit = MaskBit(vk);
    if (!inGame_ || !bit) return live_.KeyHeld(vk);
    if (!snapped_) {
        snapped_ = true;
        snapMask_ = 0;
        for (int i = 0; i < 6; ++i)
            if (live_.KeyHeld(kMaskKeys[i])) snapMask_ |= 1 << i;
        if (snapMask_ != lastMask_ && !replayPath_.empty()) replay_.keys.push_back({glbMain::gamePass, snapMask_});
        lastMask_ = snapMask_;
    }
    return (snapMask_ & bit) != 0;
}

int Recorder::MessageBox(const std::string& prompt, const std::string& title, int buttons) {
    const int answer = live_.MessageBox(prompt, title, buttons);
    if (inGame_) {
        if (trace_) trace_->Box(title, prompt);
        if (buttons == MB_YESNO && !replayPath_.empty()) replay_.answers.push_back({glbMain::gamePass, answer == IDYES});
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
    if (!replayPath_.empty()) {
        // Room for hours of play, so that recording never allocates in the middle of a frame.
        replay_.keys.reserve(1 << 18);
        replay_.events.reserve(1 << 12);
        replay_.holds.reserve(1 << 12);
        replay_.answers.reserve(16);
    }
    CloseTrace();
    if (!tracePath_.empty()) {
        traceFile_ = tracePath_ == "-" ? stdout : std::fopen(tracePath_.c_str(), "wb");
        if (traceFile_) {
            trace_ = std::make_unique<TraceWriter>(traceFile_);
            trace_->Begin();
        } else {
            Warn("cannot write the trace to " + tracePath_);
        }
    }
}

void Recorder::PassStarting() {
    // Every pass takes a fresh snapshot at its first poll; the V poll of the frame wait
    // still belongs to the pass before.
    snapped_ = false;
}

void Recorder::PassEnded() {
    if (trace_) trace_->Pass();
}

void Recorder::KeyEventHandled(const char* name) {
    Key key{};
    if (!inGame_ || replayPath_.empty() || !KeyFromName(name, key)) return;
    // Events of the frame wait and the event pass belong to the next pass, which gamePass
    // already counts; those of the pause hold to the pass that holds.
    (glbMain::gameInHold ? replay_.holds : replay_.events).push_back({glbMain::gamePass, key});
}

void Recorder::GameEnded() {
    inGame_ = false;
    if (trace_) trace_->Finish(Stop::None);
    CloseTrace();
    if (replayPath_.empty()) return;
    // Written beside the target and renamed over it, so a replay file is never half written.
    const std::string text = Format(replay_);
    const std::string temporary = replayPath_ + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    bool ok = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file) ok = std::fclose(file) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), replayPath_.c_str()) == 0;
    if (!ok) {
        std::remove(temporary.c_str());
        Warn("cannot write the replay to " + replayPath_);
    }
}

void Recorder::Warn(std::string message) {
    error_ = std::move(message);
    std::fprintf(stderr, "ponigari: %s\n", error_.c_str());
}

void Recorder::CloseTrace() {
    trace_.reset();
    if (traceFile_ && traceFile_ != stdout) std::fclose(traceFile_);
    traceFile_ = nullptr;
}

} // namespace replay
