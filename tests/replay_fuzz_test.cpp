// Seeded replays for the replay fuzz target's checks, a short fixed run: the recorded replays
// with lines dropped, doubled, swapped, changed and cut, items and end lines true or false
// put in, other line ends, a byte-order mark, stray bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "replay/Replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::string> Lines(const std::string& name) {
    const char* dir = std::getenv("PONIGARI_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : "tests/data") + "/replays/" + name + ".rep");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_FALSE(lines.empty()) << name;
    return lines;
}

class Mangler {
public:
    explicit Mangler(uint32_t seed) : rng_(seed) {}
    size_t Below(size_t n) { return n ? rng_() % n : 0; }
    template <typename T, size_t N>
    const T& Pick(const T (&items)[N]) { return items[Below(N)]; }

    std::string Number() {
        static const char* const odd[] = {"0", "1", "-1", "63", "64", "9007199254740992", "9007199254740993",
                                          "2147483648", "-2147483649", "18446744073709551616", "1e3", ""};
        return Below(3) ? std::to_string(Below(Below(2) ? 500 : 14000)) : Pick(odd);
    }

    std::string Line() {
        static const char* const items[] = {"keys", "event", "hold", "answer", "end", "seed", "config", "ranking"};
        static const char* const values[] = {"0", "16", "63", "ctrl", "enter", "esc", "f7", "f8", "f9", "f10",
                                             "f11", "unhide", "yes", "no", "clear gameover", "aborted"};
        static const std::string noise[] = {"\x1b[31m", std::string(1, '\0'), "\xEF\xBB\xBF", "\xff",
                                            "\xc2\x85", "#", "\t", "ぽに"};
        std::string line = Pick(items);
        for (size_t i = Below(4); i > 0; --i) line += ' ' + (Below(2) ? Number() : std::string(Pick(values)));
        if (Below(6) == 0) line.insert(Below(line.size() + 1), Pick(noise));
        return line;
    }

    std::string Replay(std::vector<std::string> lines) {
        for (size_t edits = 1 + Below(4); edits > 0; --edits) {
            const size_t at = Below(lines.size());
            switch (Below(7)) {
            case 0: if (!lines.empty()) lines.erase(lines.begin() + at); break;
            case 1: if (!lines.empty()) lines.insert(lines.begin() + at, lines[at]); break;
            case 2: if (at + 1 < lines.size()) std::swap(lines[at], lines[at + 1]); break;
            case 3: lines.insert(lines.begin() + at, Line()); break;
            case 4:
            case 5: lines.push_back("end " + Number() + ' ' + Pick({"clear", "gameover", "aborted"}) + ' ' + Number()); break;
            default: if (!lines.empty()) lines[at] = lines[at].substr(0, Below(lines[at].size() + 1)); break;
            }
        }
        const std::string ends = Pick({"\n", "\n", "\r\n", "\r"});
        std::string text = Below(8) == 0 ? "\xEF\xBB\xBF" : "";
        for (const auto& line : lines) text += line + ends;
        return text.substr(0, Below(12) == 0 ? Below(text.size() + 1) : text.size());
    }

private:
    std::mt19937 rng_;
};

} // namespace

TEST(ReplayFuzzTest, MangledReplaysReadWriteAndPlayTheSameTwice) {
    const std::vector<std::string> recorded[] = {Lines("quiet"), Lines("debug"), Lines("hard"), Lines("judge"),
                                                 Lines("stall")};
    Mangler mangle(20261207);
    int taken = 0, ended = 0;
    for (int round = 0; round < 1000; ++round) {
        const std::string text = mangle.Replay(mangle.Pick(recorded));
        SCOPED_TRACE(text);
        replay::Replay r;
        const bool ok = replay::Parse(text, r).ok;
        taken += ok;
        ended += ok && r.end;
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }
    // Both sides of the reader, and end lines, came up often enough to matter.
    EXPECT_GT(taken, 150);
    EXPECT_LT(taken, 850);
    EXPECT_GT(ended, 40);
}
