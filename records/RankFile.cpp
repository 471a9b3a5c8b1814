#include "records/RankFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/SaveFile.h"

namespace glbSystem {

using namespace platform;

namespace {

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool Save(const std::string& path, const std::string& content) {
    return Save_File(path, content, OtherFiles::Refuse) == 0;
}

// How long a copy waits for another that holds the lock: a save takes milliseconds, so one
// that takes seconds has stopped half way.
constexpr auto kLockPatience = std::chrono::seconds(3);

// This copy's lock, shared by the nested holders of one change.
Descriptor g_lock;
int g_holders = 0;

int Open_Lock(const std::string& target) {
    const int fd = ::open((target + ".lock").c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd >= 0 || (errno != EACCES && errno != EROFS && errno != EPERM)) return fd;
    return Open_Regular(target, O_RDONLY);
}

bool Lock(int fd) {
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Files that a save of this program left when it was killed between writing and renaming.
// Under the lock no copy is in the middle of a save, so every such file is a leftover.
void Remove_Leftovers(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string_view stem = std::string_view(target).substr(slash == std::string::npos ? 0 : slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (Temp_Target(name) != stem) continue;
        struct stat st {};
        const std::string path = (slash == std::string::npos ? "" : folder) + name;
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

} // namespace

RankLock::RankLock(const std::string& path) {
    if (g_holders > 0) {
        held_ = true;
        ++g_holders;
        return;
    }
    // A name that leads to no place for a ranking (a device, a link to nowhere) is never
    // written, and needs no lock.
    const FileKind kind = Kind_Of(path);
    if (kind != FileKind::Regular && kind != FileKind::Missing) return;
    const std::string target = Final_Target(path);
    g_lock.Reset(Open_Lock(target));
    if (g_lock.fd() < 0 || !Lock(g_lock.fd())) {
        g_lock.Close();
        return;
    }
    held_ = true;
    g_holders = 1;
    Remove_Leftovers(target);
}

RankLock::~RankLock() {
    if (held_ && --g_holders == 0) g_lock.Close();
}

bool Read_File_Head(const std::string& path, std::size_t maxBytes, std::string& head, int64_t& length) {
    const FileKind kind = Kind_Of(path);
    if (kind == FileKind::Other || kind == FileKind::Dangling) return false;
    if (kind == FileKind::Missing) {
        // Created empty, exclusively: another copy of the program may be creating it right now.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
        if (fd >= 0) ::close(fd);
    }
    Descriptor file(Open_Regular(path, O_RDONLY));
    struct stat st {};
    std::string bytes;
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0 || !Read_Up_To(file.fd(), maxBytes, bytes)) return false;
    head = std::move(bytes);
    length = st.st_size;
    return true;
}

bool Patch_File(const std::string& path, const std::vector<FilePatch>& patches) {
    std::string content;
    const FileKind kind = Kind_Of(path);
    if (kind == FileKind::Other || kind == FileKind::Dangling) return false;
    if (kind == FileKind::Regular) {
        Descriptor old(Open_Regular(path, O_RDONLY));
        if (old.fd() < 0 || !Read_Up_To(old.fd(), SIZE_MAX, content)) return false;
    }
    const std::string old = content;
    for (const FilePatch& patch : patches) {
        const auto offset = static_cast<std::size_t>(patch.offset);
        if (content.size() < offset + patch.bytes.size()) content.resize(offset + patch.bytes.size(), '\0');
        std::copy(patch.bytes.begin(), patch.bytes.end(), content.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    // Bytes that would not change are not written: a rewrite gains nothing and would race
    // with another copy's save.
    return (kind == FileKind::Regular && content == old) || Save(path, content);
}

bool Delete_File(const std::string& path) {
    switch (Kind_Of(path)) {
    case FileKind::Missing:
        return true;
    case FileKind::Dangling:
    case FileKind::Other:
        return false;
    case FileKind::Regular:
        break;
    }
    if (::access(path.c_str(), W_OK) != 0) return false;  // kept as its owner made it: read-only
    if (!IsLink(path) && ::unlink(path.c_str()) == 0) return true;
    return Save(path, {});
}

} // namespace glbSystem
