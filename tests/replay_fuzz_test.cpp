// The replay fuzz target's checks in a short fixed run on seeded replays: the recorded ones
// with lines dropped, doubled, swapped or cut, items, noise and end lines true or false put
// in, other line ends, a byte-order mark.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
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
    size_t Below(size_t n) { return n ? rng_() % n : 0; }
    template <typename T, size_t N>
    T Pick(const T (&items)[N]) { return items[Below(N)]; }

    std::string Number() {
        static const char* const odd[] = {"-1", "64", "9007199254740993", "2147483648", "18446744073709551616", ""};
        return Below(3) ? std::to_string(Below(Below(2) ? 500 : 14000)) : Pick(odd);
    }

    std::string Line() {
        static const std::string words[] = {"keys", "event", "hold", "answer", "end",    "seed",    "ctrl",
                                            "esc",  "f9",    "unhide", "no",   "clear", "aborted", "\x1b[31m",
                                            std::string(1, '\0'), "\xEF\xBB\xBF", "\xff", "\xc2\x85", "#", "ぽに"};
        std::string line = Pick(words);
        for (size_t i = Below(4); i > 0; --i) line += ' ' + (Below(2) ? Number() : Pick(words));
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
            case 4: if (!lines.empty()) lines[at].resize(Below(lines[at].size() + 1)); break;
            default: lines.push_back("end " + Number() + ' ' + Pick({"clear", "gameover", "aborted"}) + ' ' + Number());
            }
        }
        const std::string ends = Pick({"\n", "\n", "\r\n", "\r"});
        std::string text = Below(8) == 0 ? "\xEF\xBB\xBF" : "";
        for (const auto& line : lines) text += line + ends;
        return text;
    }

private:
    std::mt19937 rng_{20261207};
};

} // namespace

TEST(ReplayFuzzTest, MangledReplaysReadWriteAndPlayTheSameTwice) {
    const std::vector<std::string> recorded[] = {Lines("quiet"), Lines("debug"), Lines("hard"), Lines("judge"),
                                                 Lines("stall")};
    Mangler mangle;
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
