#include "replay/Trace.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <unistd.h>

#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/EnemyFire.h"
#include "enemies/Items.h"
#include "enemies/Rockets.h"
#include "enemies/Waves.h"
#include "game/glbMain.h"
#include "platform/Random.h"
#include "player/Player.h"
#include "player/Stars.h"
#include "player/Weapons.h"
#include "records/Config.h"
#include "records/Ranking.h"

namespace replay {

using namespace glbMain;

namespace {

// Flushed past this size; the buffer is reserved well above it plus one pass line (a full
// field is about 5 KB), so a game never makes it grow.
constexpr size_t kFlushAt = size_t{1} << 16;

void Put(std::string& out, int64_t v) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    out.append(digits, end);
}

// ",a,b,c": the values after the first of a list.
template <typename... Ts>
void More(std::string& out, Ts... values) {
    ((out += ',', Put(out, static_cast<int64_t>(values))), ...);
}

// "key":[v1,v2,...]
template <typename... Ts>
void Row(std::string& out, const char* key, int64_t first, Ts... rest) {
    out += key;
    out += '[';
    Put(out, first);
    More(out, rest...);
    out += ']';
}

// "key":[[i,...],...] over the active slots of a table.
template <typename Table, typename Fields>
void Slots(std::string& out, const char* key, const Table& table, Fields fields) {
    out += key;
    out += '[';
    bool first = true;
    for (size_t i = 0; i < table.size(); ++i) {
        if (!table[i].Active) continue;
        out += first ? "[" : ",[";
        first = false;
        Put(out, static_cast<int64_t>(i));
        fields(table[i]);
        out += ']';
    }
    out += ']';
}

void Quoted(std::string& out, std::string_view s) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[(c >> 4) & 0xf];
                out += kHex[c & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace

TraceWriter::TraceWriter(std::FILE* out) : out_(out) { buf_.reserve(2 * kFlushAt); }

TraceWriter::~TraceWriter() { Flush(); }

void TraceWriter::Begin() {
    boxes_.clear();
    passes_ = 0;
}

void TraceWriter::Pass() {
    std::string& o = buf_;
    o += "{\"frame\":";
    Put(o, gameFrame - int64_t{1});
    o += ",\"rng\":";
    Put(o, static_cast<int64_t>(platform::RndCount()));
    const std::pair<const char*, int64_t> flags[] = {
        {",\"score\":", gameScore},       {",\"killed\":", gameHasKilled}, {",\"quit\":", gameQuit},
        {",\"aborted\":", gameAborted},   {",\"paused\":", gamePaused},    {",\"hidden\":", gameHidden},
        {",\"shower\":", gameBlastShower}, {",\"hard\":", glbSystem::cfgHardMode}, {",\"flash\":", gamePassFlash},
    };
    for (const auto& [key, value] : flags) {
        o += key;
        Put(o, value);
    }
    const auto& p = Player;
    Row(o, ",\"player\":", p.Alive, p.X, p.Y, p.Width, p.Height, p.Speed, p.MainWeapon, p.SubWeapon, p.Power[1],
        p.Power[2], p.Power[3], p.Shield, p.FireWait, p.DeathFrame);
    Slots(o, ",\"balkan\":", BalkanShot, [&](const BalkanShotRecord& s) { More(o, s.X, s.Y); });
    o += ",\"next\":";
    Put(o, NextBalkan);
    const auto& s = Sonic;
    Row(o, ",\"sonic\":", s.Active, s.X, s.Y, s.Width, s.Height, s.Energy, s.GrowTick);
    const auto& l = Laser;
    Row(o, ",\"laser\":", l.Active, l.Spread, l.X, l.UpperY, l.LowerY, l.Width, l.Thickness, l.Timer, l.Cooldown);
    Slots(o, ",\"poni\":", PoniTable, [&](const PoniRecord& e) { More(o, e.Vx, e.X, e.Y, e.FireWait); });
    Slots(o, ",\"ebal\":", EnemyBalkanTable, [&](const EnemyBalkanRecord& b) { More(o, b.Shooter, b.Vx, b.X, b.Y); });
    Row(o, ",\"boss\":", BossPhase, BossPresent, BossVulnerable, BossFireOn, BossWander, BossHP, BossVx, BossVy, BossX,
        BossY, BossFireWait, BossDownFrame, PrevBossHP);
    Slots(o, ",\"rocket\":", BossRocketTable, [&](const BossRocketRecord& r) { More(o, r.Vx, r.X, r.Y, r.Fuse); });
    Slots(o, ",\"item\":", ItemTable, [&](const ItemRecord& i) { More(o, i.Kind, i.Vx, i.X, i.Y); });
    Slots(o, ",\"blast\":", BlastTable, [&](const BlastRecord& b) { More(o, b.Sheet, b.X, b.Y, b.Frame); });
    Slots(o, ",\"star\":", Star, [&](const StarRecord& t) { More(o, t.Speed, t.X, t.Y); });
    o += "}\n";
    ++passes_;
    if (o.size() >= kFlushAt) Flush();
}

void TraceWriter::Box(std::string_view title, std::string_view prompt) {
    boxes_.emplace_back(title);
    boxes_.emplace_back(prompt);
}

Ending Game_Ending(glbSystem::RankRecord& result) {
    if (gameAborted) return Ending::Aborted;
    Make_Result(result);
    return result.Clear ? Ending::Clear : Ending::GameOver;
}

void TraceWriter::Finish(Stop stop) {
    // A game that ended by itself gave a result unless it was abandoned.
    glbSystem::RankRecord result;
    const char* end = stop == Stop::Stalled ? "stalled" : "limit";
    if (stop == Stop::None) end = EndingName(Game_Ending(result));
    std::string& o = buf_;
    o += "{\"end\":\"";
    o += end;
    o += "\",\"frames\":";
    Put(o, passes_);
    o += ",\"boxes\":[";
    for (size_t i = 0; i + 1 < boxes_.size(); i += 2) {
        o += i == 0 ? "[" : ",[";
        Quoted(o, boxes_[i]);
        o += ',';
        Quoted(o, boxes_[i + 1]);
        o += ']';
    }
    Row(o, "],\"result\":", result.Used, result.Score, result.Mode, result.Clear);
    o += "}\n";
    Flush();
    if (!error_ && std::fflush(out_) != 0) error_ = errno;
}

void TraceWriter::Flush() {
    // A full disk shows at some write of the buffer or at the flush behind it.
    if (!error_ && !buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), out_) != buf_.size()) error_ = errno;
    if (!error_ && std::ferror(out_)) error_ = errno ? errno : EIO;
    buf_.clear();
}

TraceFile::TraceFile(const std::string& path) {
    if (path == "-") {
        file_ = stdout;
    } else if (const int error = stream_.Open(path)) {
        reason_ = std::strerror(error);
    } else {
        // Buffered through stdio on a descriptor of its own; the stream keeps its own to finish.
        const int fd = ::dup(stream_.fd());
        file_ = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
        if (!file_) {
            reason_ = std::strerror(errno);
            if (fd >= 0) ::close(fd);
        }
    }
    if (file_) writer_ = std::make_unique<TraceWriter>(file_);
}

TraceFile::~TraceFile() { Close(); }

bool TraceFile::Close() {
    if (closed_ || !file_) return reason_.empty();
    closed_ = true;
    writer_->Flush();
    int error = writer_->Error();
    writer_.reset();
    if (file_ == stdout) {
        if (std::fflush(stdout) != 0 && !error) error = errno;
        if (std::ferror(stdout) && !error) error = EIO;
    } else {
        if (std::fclose(file_) != 0 && !error) error = errno;
        // A trace that did not reach its file whole does not take the old one's place.
        if (!error) error = stream_.Finish();
    }
    file_ = nullptr;
    if (error) reason_ = std::strerror(error);
    return !error;
}

} // namespace replay
