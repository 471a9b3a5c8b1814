#pragma once
// A game's replay: what the rules depend on besides their own code. The seed, the settings
// and the ranking rows in use at game start, the keys the polls of each pass found held, the
// key events with the place they were handled, and the answers to Yes/No boxes; and, in
// recorded replays, how the game ended, so that a playback can tell it went astray.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace replay {

// The game window's key events as replays name them; Unhide is the pause hold's F12 poll.
enum class Key : uint8_t { Ctrl, Enter, Esc, F7, F8, F9, F10, F11, Unhide };

const char* KeyName(Key key);
bool KeyFromName(std::string_view name, Key& key);
// Hands the event to the game window's handler, as the window would.
void Deliver(Key key);

// Polled keys, as bits of a mask.
enum KeyBit : int { BitLeft = 1, BitUp = 2, BitRight = 4, BitDown = 8, BitSpace = 16, BitV = 32 };
// The mask bit of a virtual-key code, 0 for keys outside the mask (F12 among them).
int MaskBit(int vk);
constexpr int kMaskKeys[] = {37, 38, 39, 40, 32, 86};  // in bit order of KeyBit

struct KeysItem { int64_t pass; int mask; };
struct EventItem { int64_t pass; Key key; };
struct AnswerItem { int64_t pass; bool yes; };

enum class Ending { Clear, GameOver, Aborted };
const char* EndingName(Ending ending);
// The game ended after `pass` passes with this score.
struct EndItem {
    int64_t pass;
    Ending ending;
    int32_t score;
    bool operator==(const EndItem&) const = default;
};

struct Replay {
    uint64_t seed = 0;
    // BGM STAR EASYBLAST HARDMODE LIMITER, each 0 or 1.
    std::array<int, 5> config{1, 1, 0, 0, 1};
    // Used flags of ranking rows 0 to 5, each 0 or 1.
    std::array<int, 6> ranking{};
    std::vector<KeysItem> keys;
    std::vector<EventItem> events;  // between passes
    std::vector<EventItem> holds;   // inside a pass's pause hold
    std::vector<AnswerItem> answers;
    std::optional<EndItem> end;  // absent in replays written before games ended on record
};

struct ParseResult {
    bool ok = false;
    int line = 0;  // of the first fault
    std::string message;
};

// Bounds far beyond any replay a game writes, so that a file that is none (a device, a
// stream of noise) is refused at once instead of being read whole. A written line is under 50
// bytes; 4 KiB leaves room for any comment a person adds. A keys line is about 17 bytes:
// 64 MiB holds one for each of nearly 4,000,000 passes, 27 hours of play at 25 ms a pass
// with the keys changed on every pass, which no hand does.
constexpr size_t kMaxLineBytes = 4096;
constexpr int64_t kMaxReplayBytes = int64_t{64} << 20;

class Parser;

// Reads a replay in pieces as a file gives them: line by line, checked as they come.
class Reader {
public:
    explicit Reader(Replay& out);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // The next bytes; false once a fault is found, or a bound passed.
    bool Feed(std::string_view bytes);
    // After the last bytes: whether the whole is a replay, and where it is not.
    ParseResult Finish();

private:
    bool Take(std::string_view line);
    bool Fail(std::string message);

    std::unique_ptr<Parser> parser_;
    std::string partial_;  // the line begun and not yet ended
    int64_t bytes_ = 0;
    bool afterCr_ = false;  // the bytes so far ended in CR: an LF first in the next is its pair
    bool failed_ = false;
};

// Accepts a leading UTF-8 byte-order mark and LF, CRLF or CR line ends. Messages show the
// file's words as Printable shows them.
ParseResult Parse(std::string_view text, Replay& out);
std::string Format(const Replay& r);


// The settings and ranking rows a replay starts from, taken from the program's state, and
// applied back to it (switches -1/0, hard mode 0/1, Used -1/0).
void Capture_Start(Replay& r);
void Apply_Start(const Replay& r);

} // namespace replay
