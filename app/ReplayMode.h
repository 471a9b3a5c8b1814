#pragma once
// The command line's replay modes: a replay file played in the game window or headless.
#include <cstdint>
#include <string>

namespace platform {
class Host;
}

namespace app {

// The passes a headless replay runs unless told otherwise: 2,000,000 passes are nearly 14
// hours of play at 25 ms a pass (over 8 with V held throughout), about 150 times the passes
// before the boss comes, and a second or two of work without a trace.
constexpr int64_t kHeadlessPassLimit = 2'000'000;

struct ReplayRequest {
    std::string file;     // file names as the command line gave their bytes
    std::string trace;    // empty for none, "-" for standard output
    int64_t frames = -1;  // most passes to run; negative for none (headless: kHeadlessPassLimit)
};

// Plays the replay; with a live host in the game window at its pace, without one headless.
// Returns the exit code: 0 when the replay ran to its end, 1 (after a one-line message) when
// it cannot be read or is malformed, or the trace cannot be written, 3 (after a one-line
// message) when the game does not end as the replay's end line says, 4 (after a one-line
// message) when a headless replay without frames stopped at kHeadlessPassLimit.
int Play_ReplayFile(const ReplayRequest& request, platform::Host* live);

} // namespace app
