// Feeds any bytes to the replay reader and checks what must hold whatever they are: no crash;
// what it refuses is named by a line of the text in printable words; what it takes is written
// back as a replay that reads as itself, and played headless twice gives the same trace byte
// for byte, and no desync once the replay's end line tells how that game ended.
// Built for libFuzzer with clang; the seeded test of the replay reader runs the same checks.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "replay/ReplayPlayer.h"
#include "replay/Text.h"

using namespace replay;

namespace {

// Enough for a game with no keys to end; a longer one is cut here.
constexpr int64_t kMaxPasses = 3000;

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "replay_fuzz: %s\n", what);
    std::abort();
}

struct Played {
    PlayOutcome outcome;
    std::string trace;
};

Played Play(const Replay& r) {
    char* data = nullptr;
    size_t size = 0;
    std::FILE* memory = open_memstream(&data, &size);
    Played played;
    {
        TraceWriter trace(memory);
        played.outcome = Play_Replay(r, {nullptr, &trace, kMaxPasses});
    }
    std::fclose(memory);
    played.trace.assign(data, size);
    std::free(data);
    Require(Printable(played.outcome.desync) == played.outcome.desync, "a desync told in raw bytes");
    return played;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Replay r;
    const ParseResult parsed = Parse(text, r);
    if (!parsed.ok) {
        Require(parsed.line >= 0 && parsed.line <= 1 + std::count(text.begin(), text.end(), '\n') +
                                                     std::count(text.begin(), text.end(), '\r'),
                "a fault on a line the text does not have");
        Require(!parsed.message.empty() && Printable(parsed.message) == parsed.message, "a message with raw bytes");
        return 0;
    }
    const std::string written = Format(r);
    Replay again;
    Require(Parse(written, again).ok && Format(again) == written, "a written replay that does not read as itself");

    // Without its end line, then with the end the game itself came to.
    Replay open = r;
    open.end.reset();
    const Played first = Play(open);
    Require(first.outcome.desync.empty(), "a desync without an end line");
    Replay closed = open;
    if (first.outcome.stop == Stop::None) closed.end = first.outcome.end;
    const Played second = Play(closed);
    Require(second.trace == first.trace, "two playbacks of one replay differ");
    Require(second.outcome.desync.empty(), "a desync from the game's own ending");

    // With the end line it came with: a desync unless the game ends just so, within the limit.
    if (r.end && r.end != closed.end) {
        const bool within = first.outcome.stop != Stop::Limit || r.end->pass <= kMaxPasses;
        Require(Play(r).outcome.desync.empty() != within, "a desync missed or made up");
    }
    return 0;
}
