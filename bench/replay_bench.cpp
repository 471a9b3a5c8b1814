// Headless replay playback: passes per second through the real frame loop with the trace
// written, on a long replay that keeps the field full (the explosion shower on, no shots, a
// shield renewed now and then so the ship lives through the whole stage and the boss fight).
// Usage: replay_bench [passes] [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "replay/ReplayPlayer.h"

namespace {

replay::Replay FullFieldReplay(int64_t passes) {
    using replay::Key;
    replay::Replay r;
    r.seed = 9;
    // Sweep without firing, so that the ぽに live out their flight and fill their table.
    for (int64_t p = 0; p < passes; p += 40) r.keys.push_back({p, (p / 40) % 2 ? 8 : 2});
    for (int64_t p = 1; p < passes; p += 2000) {
        r.events.push_back({p, Key::Ctrl});
        r.holds.push_back({p, Key::F9});
        if (p == 1) r.holds.push_back({p, Key::F10});
        r.holds.push_back({p, Key::Ctrl});
    }
    return r;
}

double Seconds(const replay::Replay& r, std::FILE* out, int64_t passes) {
    const auto start = std::chrono::steady_clock::now();
    if (out) {
        replay::TraceWriter trace(out);
        replay::Play_Replay(r, {nullptr, &trace, passes});
    } else {
        replay::Play_Replay(r, {nullptr, nullptr, passes});
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Entries of one table in a trace line: the '[' between its key and the next key.
int Entries(const std::string& line, const char* key, const char* next) {
    const size_t from = line.find(key), to = line.find(next);
    if (from == std::string::npos || to == std::string::npos) return 0;
    return static_cast<int>(std::count(line.begin() + from + std::char_traits<char>::length(key), line.begin() + to, '['));
}

} // namespace

int main(int argc, char** argv) {
    const int64_t passes = argc > 1 ? std::atoll(argv[1]) : 20000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const replay::Replay r = FullFieldReplay(passes);

    // How full the field is: table entries per pass, and the trace's size.
    char* data = nullptr;
    size_t size = 0;
    std::FILE* memory = open_memstream(&data, &size);
    Seconds(r, memory, passes);
    std::fclose(memory);
    const std::string text(data, size);
    std::free(data);
    double blasts = 0, ponis = 0, stars = 0, bullets = 0, rockets = 0;
    long lines = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        if (line.rfind("{\"frame\"", 0) != 0) continue;
        ++lines;
        blasts += Entries(line, "\"blast\":[", ",\"star\"");
        ponis += Entries(line, "\"poni\":[", ",\"ebal\"");
        bullets += Entries(line, "\"ebal\":[", ",\"boss\"");
        rockets += Entries(line, "\"rocket\":[", ",\"item\"");
        stars += Entries(line, "\"star\":[", "]}");
    }
    std::printf("replay of %lld passes: %ld passes played; %s\n", static_cast<long long>(passes), lines,
                text.substr(text.rfind("{\"end\""), text.rfind(",\"boxes\"") - text.rfind("{\"end\"")).c_str());
    std::printf("per pass on average: %.1f explosions of 128, %.1f ぽに of 18, %.1f enemy bullets of 8, "
                "%.1f rockets of 20, %.1f stars of 64; %.0f trace bytes\n",
                blasts / lines, ponis / lines, bullets / lines, rockets / lines, stars / lines,
                static_cast<double>(size) / lines);

    std::FILE* sink = std::fopen("/dev/null", "wb");
    std::vector<double> traced, bare;
    for (int i = 0; i < runs; ++i) {
        traced.push_back(lines / Seconds(r, sink, passes));
        bare.push_back(lines / Seconds(r, nullptr, passes));
    }
    std::fclose(sink);
    std::printf("median of %d runs: %.0f passes/s with the trace written, %.0f passes/s without\n", runs,
                Median(traced), Median(bare));
    return 0;
}
