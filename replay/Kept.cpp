#include "replay/Kept.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/SaveFile.h"
#include "records/RankFile.h"
#include "records/ReplayLinks.h"
#include "replay/Text.h"

namespace replay {

namespace {

namespace fs = std::filesystem;

std::string lastKept;

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

void Say(const std::string& message) { std::fprintf(stderr, "ponigari: cannot keep the replay %s\n", message.c_str()); }

// What a save killed between writing and renaming left of a kept replay or of the ranking's
// links. Under the lock no save is under way.
bool Is_Leftover(const std::string& name) {
    const std::string_view target = platform::Temp_Target(name);
    return Is_Kept_Name(target) || "replays/" + std::string(target) == glbSystem::ReplayLinksFile;
}

} // namespace

std::string Kept_Name(const std::tm& local, Ending ending, int32_t score) {
    char name[96];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d%02d%02d_%s_%d.rpl", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, EndingName(ending), static_cast<int>(score));
    return name;
}

bool Is_Kept_Name(std::string_view name) {
    // The time: digits where "0000-00-00_000000_" has them, its marks where it has those.
    constexpr std::string_view time = "0000-00-00_000000_";
    if (name.size() <= time.size() || !name.ends_with(".rpl")) return false;
    for (size_t i = 0; i < time.size(); ++i)
        if (time[i] == '0' ? !std::isdigit(static_cast<unsigned char>(name[i])) : name[i] != time[i]) return false;
    name.remove_prefix(time.size());
    name.remove_suffix(4);
    for (const std::string_view ending : {"clear_", "gameover_"})
        if (name.starts_with(ending)) {
            std::string_view score = name.substr(ending.size());
            if (score.starts_with('-')) score.remove_prefix(1);
            return !score.empty() && std::all_of(score.begin(), score.end(), [](char c) { return c >= '0' && c <= '9'; });
        }
    return false;
}

const std::string& Last_Kept() { return lastKept; }

std::string Keep_Replay(const Replay& r, std::time_t ended) {
    lastKept.clear();
    if (!r.end || r.end->ending == Ending::Aborted) return {};
    const std::string folder = glbSystem::ReplayFolder;
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        Say("in " + Printable(folder) + "/: " + std::strerror(errno));
        return {};
    }
    // The lock keeps the folder's names and the ranking's links in step with the other copies.
    const glbSystem::RankLock lock(glbSystem::RankFileName);
    // Two games ending in the same second with the same score: the later takes the next free second.
    std::string name;
    for (std::time_t t = ended; t < ended + 60; ++t) {
        std::tm local{};
        localtime_r(&t, &local);
        name = Kept_Name(local, r.end->ending, r.end->score);
        if (!Exists(folder + '/' + name)) break;
    }
    const std::string path = folder + '/' + name;
    // A minute of such names taken already: no kept replay is ever written over.
    if (Exists(path)) {
        Say("as " + Printable(path) + ": " + std::strerror(EEXIST));
        return {};
    }
    if (const int error = platform::Save_File(path, Format(r), platform::OtherFiles::Refuse)) {
        Say("as " + Printable(path) + ": " + std::strerror(error));
        return {};
    }
    lastKept = name;
    if (lock.Held()) Trim_Replays();
    return name;
}

void Trim_Replays(int others) {
    std::error_code listing, error;
    std::vector<std::string> names;
    for (fs::directory_iterator it(glbSystem::ReplayFolder, listing), end; !listing && it != end; it.increment(listing)) {
        const std::string name = it->path().filename().string();
        // A link or a folder of such a name is the player's own doing.
        const bool regular = it->symlink_status(error).type() == fs::file_type::regular;
        if (regular && Is_Kept_Name(name)) names.push_back(name);
        else if (regular && Is_Leftover(name)) fs::remove(it->path(), error);
    }
    const std::set<std::string> ranked = glbSystem::Ranked_Replays();
    // The names begin with the time: the newest sort last.
    std::sort(names.rbegin(), names.rend());
    int kept = 0;
    for (const std::string& name : names)
        if (!ranked.count(name) && ++kept > others) fs::remove(fs::path(glbSystem::ReplayFolder) / name, error);
}

} // namespace replay
