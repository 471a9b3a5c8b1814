#include "replay/Replay.h"

#include <algorithm>
#include <charconv>

#include "replay/Text.h"

#include "game/Keys.h"
#include "platform/Platform.h"
#include "records/Config.h"
#include "records/Ranking.h"

namespace replay {

namespace {

constexpr const char* kKeyNames[] = {"ctrl", "enter", "esc", "f7", "f8", "f9", "f10", "f11", "unhide"};
constexpr const char* kEndingNames[] = {"clear", "gameover", "aborted"};
constexpr std::string_view kHeader = "ponigari-replay";
// Far beyond any game, and small enough that a pass number never overflows when counted on.
constexpr int64_t kMaxPass = int64_t{1} << 53;

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        if (j > i) words.push_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

// A word of the file as a message shows it.
std::string Quoted(std::string_view word) {
    std::string quoted = "'";
    quoted += Printable(word);
    quoted += '\'';
    return quoted;
}

template <typename T>
bool Number(std::string_view word, T& value) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

// One line at a time; remembers what a replay needs before its first pass line.
class Parser {
public:
    explicit Parser(Replay& out) : r_(out) {}

    bool Line(std::string_view text) {
        if (auto hash = text.find('#'); hash != std::string_view::npos) text = text.substr(0, hash);
        const auto w = Words(text);
        if (w.empty()) return true;
        if (!header_) {
            if (w[0] != kHeader || w.size() != 2) return Fail("not a replay: the first line must be 'ponigari-replay 1'");
            if (w[1] != "1") return Fail("unsupported replay version " + Quoted(w[1]));
            return header_ = true;
        }
        if (ended_) return Fail(Quoted(w[0]) + " after the end line");
        if (w[0] == "seed") return Seed(w);
        if (w[0] == "config") return Flags(w, r_.config.data(), r_.config.size(), hasConfig_);
        if (w[0] == "ranking") return Flags(w, r_.ranking.data(), r_.ranking.size(), hasRanking_);
        if (w[0] == "keys" || w[0] == "event" || w[0] == "hold" || w[0] == "answer") return PassLine(w);
        if (w[0] == "end") return End(w);
        return Fail("unknown item " + Quoted(w[0]));
    }

    bool Finish() {
        if (!header_) return Fail("empty replay: no 'ponigari-replay 1' line");
        if (!StartKnown()) return Fail(Missing() + " missing");
        return true;
    }

    ParseResult result;
    int line = 0;

private:
    bool Fail(std::string message) {
        result = {false, line, std::move(message)};
        return false;
    }

    bool StartKnown() const { return hasSeed_ && hasConfig_ && hasRanking_; }
    std::string Missing() const {
        return !hasSeed_ ? "the seed line is" : !hasConfig_ ? "the config line is" : "the ranking line is";
    }

    bool Seed(const std::vector<std::string_view>& w) {
        if (hasSeed_) return Fail("a second seed line");
        if (w.size() != 2 || !Number(w[1], r_.seed)) return Fail("seed takes one whole number from 0 to 18446744073709551615");
        return hasSeed_ = true;
    }

    bool Flags(const std::vector<std::string_view>& w, int* flags, size_t count, bool& seen) {
        const std::string item(w[0]);
        if (seen) return Fail("a second " + item + " line");
        if (w.size() != count + 1) return Fail(item + " takes " + std::to_string(count) + " values of 0 or 1");
        for (size_t i = 0; i < count; ++i)
            if (!Number(w[i + 1], flags[i]) || (flags[i] != 0 && flags[i] != 1))
                return Fail(item + " value " + Quoted(w[i + 1]) + " is not 0 or 1");
        return seen = true;
    }

    // The pass number of a line that names one, in order after those before it.
    bool Pass(const std::vector<std::string_view>& w, int64_t& pass) {
        const std::string item(w[0]);
        if (!StartKnown()) return Fail("'" + item + "' before the seed, config and ranking lines");
        if (!Number(w[1], pass) || pass < 0 || pass > kMaxPass) return Fail("bad pass number " + Quoted(w[1]));
        if (pass < lastPass_)
            return Fail("pass " + std::to_string(pass) + " comes after pass " + std::to_string(lastPass_));
        lastPass_ = pass;
        return true;
    }

    bool End(const std::vector<std::string_view>& w) {
        if (w.size() != 4) return Fail("end takes the pass count, clear, gameover or aborted, and the score");
        EndItem end{};
        if (!Pass(w, end.pass)) return false;
        int k = 0;
        while (k < 3 && w[2] != kEndingNames[k]) ++k;
        if (k == 3) return Fail("a game ends as clear, gameover or aborted, not " + Quoted(w[2]));
        end.ending = static_cast<Ending>(k);
        if (!Number(w[3], end.score)) return Fail("bad score " + Quoted(w[3]));
        r_.end = end;
        return ended_ = true;
    }

    bool PassLine(const std::vector<std::string_view>& w) {
        const std::string item(w[0]);
        if (w.size() != 3) return Fail(item + " takes a pass number and one value");
        int64_t pass = 0;
        if (!Pass(w, pass)) return false;
        const std::string_view value = w[2];
        if (item == "keys") {
            int mask = 0;
            if (!Number(value, mask) || mask < 0 || mask > 63) return Fail("bad key mask " + Quoted(value));
            r_.keys.push_back({pass, mask});
        } else if (item == "answer") {
            if (value != "yes" && value != "no") return Fail("answer takes yes or no, not " + Quoted(value));
            r_.answers.push_back({pass, value == "yes"});
        } else {
            Key key{};
            if (!KeyFromName(value, key) || (item == "event" && key == Key::Unhide))
                return Fail("unknown key event " + Quoted(value));
            (item == "event" ? r_.events : r_.holds).push_back({pass, key});
        }
        return true;
    }

    Replay& r_;
    bool header_ = false, hasSeed_ = false, hasConfig_ = false, hasRanking_ = false, ended_ = false;
    int64_t lastPass_ = 0;
};

const char* KeyName(Key key) { return kKeyNames[static_cast<int>(key)]; }

const char* EndingName(Ending ending) { return kEndingNames[static_cast<int>(ending)]; }

bool KeyFromName(std::string_view name, Key& key) {
    for (int k = 0; k <= static_cast<int>(Key::Unhide); ++k)
        if (name == kKeyNames[k]) {
            key = static_cast<Key>(k);
            return true;
        }
    return false;
}

void Deliver(Key key) {
    using namespace platform;
    switch (key) {
    case Key::Ctrl: glbMain::Form_KeyDown(VK_CONTROL); break;
    case Key::Enter: glbMain::Form_KeyDown(VK_RETURN); break;
    case Key::Esc: glbMain::Form_KeyPress(27); break;
    case Key::F7: glbMain::Form_KeyUp(VK_F7); break;
    case Key::F8: glbMain::Form_KeyUp(VK_F8); break;
    case Key::F9: glbMain::Form_KeyUp(VK_F9); break;
    case Key::F10: glbMain::Form_KeyUp(VK_F10); break;
    case Key::F11: glbMain::Form_KeyUp(VK_F11); break;
    case Key::Unhide: break;  // a poll, answered by the player's host
    }
}

int MaskBit(int vk) {
    for (int i = 0; i < 6; ++i)
        if (kMaskKeys[i] == vk) return 1 << i;
    return 0;
}

Reader::Reader(Replay& out) : parser_(std::make_unique<Parser>(out)) { out = Replay{}; }

Reader::~Reader() = default;

bool Reader::Fail(std::string message) {
    failed_ = true;
    parser_->result = {false, parser_->line + 1, std::move(message)};
    return false;
}

bool Reader::Take(std::string_view line) {
    ++parser_->line;
    // Editors on other systems add a byte-order mark.
    if (parser_->line == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    failed_ = !parser_->Line(line);
    return !failed_;
}

bool Reader::Feed(std::string_view bytes) {
    if (failed_) return false;
    bytes_ += static_cast<int64_t>(bytes.size());
    if (bytes_ > kMaxReplayBytes)
        return Fail("the replay goes on past " + std::to_string(kMaxReplayBytes >> 20) +
                    " MiB, far longer than any replay");
    // Lines end in LF, CR LF or CR alone, as editors on other systems write them.
    // A piece that is that LF alone must not carry the CR on to the next, whose LF would then
    // be taken for the same line's end.
    if (afterCr_ && !bytes.empty()) {
        if (bytes[0] == '\n') bytes.remove_prefix(1);
        afterCr_ = false;
    }
    while (!bytes.empty()) {
        const size_t end = bytes.find_first_of("\r\n");
        const size_t length = std::min(end, bytes.size());
        if (partial_.size() + length > kMaxLineBytes)
            return Fail("a line of more than " + std::to_string(kMaxLineBytes) + " bytes: not a replay");
        if (end == std::string_view::npos) {
            partial_.append(bytes);
            break;
        }
        bool taken;
        if (partial_.empty()) {
            taken = Take(bytes.substr(0, end));
        } else {
            partial_.append(bytes.substr(0, end));
            taken = Take(partial_);
            partial_.clear();
        }
        if (!taken) return false;
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        afterCr_ = bytes[end] == '\r' && end + 1 == bytes.size();
        bytes.remove_prefix(end + (crlf ? 2 : 1));
    }
    return true;
}

ParseResult Reader::Finish() {
    if (!failed_ && !partial_.empty()) Take(partial_);
    partial_.clear();
    if (!failed_ && !parser_->Finish()) failed_ = true;
    if (failed_) return parser_->result;
    return {true, 0, {}};
}

ParseResult Parse(std::string_view text, Replay& out) {
    Reader reader(out);
    reader.Feed(text);
    return reader.Finish();
}

std::string Format(const Replay& r) {
    std::string text = "ponigari-replay 1\nseed " + std::to_string(r.seed) + "\nconfig";
    for (int v : r.config) text += ' ' + std::to_string(v);
    text += "\nranking";
    for (int v : r.ranking) text += ' ' + std::to_string(v);
    text += '\n';

    // Merge the four lists by pass; within a pass in the order things happen in it: the
    // events before it, the pause hold, the polls, the end boxes.
    struct Line { int64_t pass; int rank; const char* item; std::string value; };
    std::vector<Line> lines;
    for (const auto& e : r.events) lines.push_back({e.pass, 0, "event", KeyName(e.key)});
    for (const auto& h : r.holds) lines.push_back({h.pass, 1, "hold", KeyName(h.key)});
    for (const auto& k : r.keys) lines.push_back({k.pass, 2, "keys", std::to_string(k.mask)});
    for (const auto& a : r.answers) lines.push_back({a.pass, 3, "answer", a.yes ? "yes" : "no"});
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& a, const Line& b) { return a.pass != b.pass ? a.pass < b.pass : a.rank < b.rank; });
    for (const auto& l : lines) text += l.item + (' ' + std::to_string(l.pass)) + ' ' + l.value + '\n';
    if (r.end)
        text += "end " + std::to_string(r.end->pass) + ' ' + EndingName(r.end->ending) + ' ' +
                std::to_string(r.end->score) + '\n';
    return text;
}

void Capture_Start(Replay& r) {
    using namespace glbSystem;
    r.config = {cfgBgm != 0, cfgStar != 0, cfgEasyBlast != 0, cfgHardMode != 0, cfgLimiter != 0};
    for (size_t i = 0; i < r.ranking.size(); ++i) r.ranking[i] = RankData[i].Used != 0;
}

void Apply_Start(const Replay& r) {
    using namespace glbSystem;
    auto flag = [](int v) { return static_cast<int16_t>(v ? -1 : 0); };
    cfgBgm = flag(r.config[0]);
    cfgStar = flag(r.config[1]);
    cfgEasyBlast = flag(r.config[2]);
    cfgHardMode = static_cast<int16_t>(r.config[3]);
    cfgLimiter = flag(r.config[4]);
    for (size_t i = 0; i < r.ranking.size(); ++i) RankData[i].Used = flag(r.ranking[i]);
}

} // namespace replay
