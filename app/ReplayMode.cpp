#include "app/ReplayMode.h"

#include <cstdio>
#include <optional>

#include "app/Watch.h"
#include "platform/Platform.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/Text.h"

namespace app {

int Play_ReplayFile(const ReplayRequest& request, platform::Host* live) {
    const std::string name = replay::Printable(request.file);
    replay::Replay r;
    if (const std::string why = replay::Read_ReplayFile(request.file, r); !why.empty()) {
        std::fprintf(stderr, "ponigari: %s\n", why.c_str());
        return 1;
    }

    std::optional<replay::TraceFile> trace;
    if (!request.trace.empty()) trace.emplace(request.trace);
    auto traceFailed = [&] {
        std::fprintf(stderr, "ponigari: cannot write the trace to %s: %s\n", replay::Printable(request.trace).c_str(),
                     trace->Reason().c_str());
        return 1;
    };
    if (trace && !trace->Writer()) return traceFailed();
    // Headless, no one can close the window on a replay that never ends.
    const int64_t limit = live || request.frames >= 0 ? request.frames : kHeadlessPassLimit;
    replay::PlayOutcome outcome;
    {
        // In the game window the viewer steers the watching; the keyboard never plays along.
        std::optional<ReplayWatch> watch;
        if (live) watch.emplace(*live);
        outcome = replay::Play_Replay(r, {live ? &watch->Host() : nullptr, trace ? trace->Writer() : nullptr, limit});
    }
    if (!outcome.desync.empty()) std::fprintf(stderr, "ponigari: %s: %s\n", name.c_str(), outcome.desync.c_str());
    const bool bounded = limit != request.frames && outcome.stop == replay::Stop::Limit && outcome.desync.empty();
    if (bounded)
        std::fprintf(stderr,
                     "ponigari: %s: stopped after %lld passes, the most a headless replay plays unless --frames "
                     "asks for more\n",
                     name.c_str(), static_cast<long long>(limit));
    if (trace && !trace->Close()) return traceFailed();
    return !outcome.desync.empty() ? 3 : bounded ? 4 : 0;
}

} // namespace app
