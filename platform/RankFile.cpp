#include "platform/RankFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace platform {

namespace {

enum class Kind { Missing, Regular, Other };

// What the name leads to, through a link. A link that leads nowhere is no place for a file.
Kind KindOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return S_ISREG(st.st_mode) ? Kind::Regular : Kind::Other;
    if (errno != ENOENT) return Kind::Other;
    return ::lstat(path.c_str(), &st) == 0 ? Kind::Other : Kind::Missing;
}

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }
    // Some file systems report a failed write only here.
    bool Close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Never blocks, even on a FIFO put there since the check; keeps the file only if it is regular.
int OpenRegular(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ReadUpTo(int fd, std::size_t maxBytes, std::string& out) {
    char buffer[4096];
    while (out.size() < maxBytes) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - out.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = Write_Call(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode(const std::string& old) {
    struct stat st {};
    if (::stat(old.c_str(), &st) == 0) return st.st_mode & 07777;
    return 0666 & ~Current_Umask();
}

// For a folder that takes no new file but lets this one be written. A failed write puts the
// old bytes back; overwriting bytes the file already held needs no new space on the disk.
bool WriteInPlace(const std::string& target, const std::string& content) {
    Descriptor file(OpenRegular(target, O_RDWR));
    std::string old;
    if (file.fd() < 0 || !ReadUpTo(file.fd(), SIZE_MAX, old)) return false;
    const auto size = static_cast<off_t>(content.size());
    const bool written = ::lseek(file.fd(), 0, SEEK_SET) == 0 && WriteAll(file.fd(), content) &&
                   ::ftruncate(file.fd(), size) == 0 && ::fsync(file.fd()) == 0;
    if (!written) {
        const bool restored = ::pwrite(file.fd(), old.data(), old.size(), 0) == static_cast<ssize_t>(old.size()) &&
                              ::ftruncate(file.fd(), static_cast<off_t>(old.size())) == 0 && ::fsync(file.fd()) == 0;
        static_cast<void>(restored);
    }
    return file.Close() && written;
}

bool Replace_File(const std::string& path, const std::string& content) {
    const Kind kind = KindOf(path);
    if (kind == Kind::Other) return false;
    const std::string target = Link_Target(path);
    // A ranking its owner made read-only is not to be written, even where the folder would
    // let it be replaced.
    if (kind == Kind::Regular && ::access(target.c_str(), W_OK) != 0) return false;
    const int error = Replace_Whole(target, content);
    return error == 0 || (kind == Kind::Regular && (error == EACCES || error == EPERM) && WriteInPlace(target, content));
}

} // namespace

bool Read_File_Head(const std::string& path, std::size_t maxBytes, std::string& head, int64_t& length) {
    const Kind kind = KindOf(path);
    if (kind == Kind::Other) return false;
    if (kind == Kind::Missing) {
        // Created empty, exclusively: another copy of the program may be creating it right now.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
        if (fd >= 0) ::close(fd);
    }
    Descriptor file(OpenRegular(path, O_RDONLY));
    struct stat st {};
    std::string bytes;
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0 || !ReadUpTo(file.fd(), maxBytes, bytes)) return false;
    head = std::move(bytes);
    length = st.st_size;
    return true;
}

bool Patch_File(const std::string& path, const std::vector<FilePatch>& patches) {
    std::string content;
    const Kind kind = KindOf(path);
    if (kind == Kind::Other) return false;
    if (kind == Kind::Regular) {
        Descriptor old(OpenRegular(path, O_RDONLY));
        if (old.fd() < 0 || !ReadUpTo(old.fd(), SIZE_MAX, content)) return false;
    }
    for (const FilePatch& patch : patches) {
        const auto offset = static_cast<std::size_t>(patch.offset);
        if (content.size() < offset + patch.bytes.size()) content.resize(offset + patch.bytes.size(), '\0');
        std::copy(patch.bytes.begin(), patch.bytes.end(), content.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return Replace_File(path, content);
}

bool Delete_File(const std::string& path) {
    switch (KindOf(path)) {
    case Kind::Missing:
        return true;
    case Kind::Other:
        return false;
    case Kind::Regular:
        break;
    }
    if (::access(path.c_str(), W_OK) != 0) return false;  // kept as its owner made it: read-only
    if (!IsLink(path) && ::unlink(path.c_str()) == 0) return true;
    return Replace_File(path, {});
}

std::string Link_Target(const std::string& path) {
    char target[PATH_MAX];
    if (::realpath(path.c_str(), target)) return target;
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) return path;
    const std::string to(target, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return to[0] == '/' || slash == std::string::npos ? to : path.substr(0, slash + 1) + to;
}

int Replace_Whole(const std::string& target, const std::string& content) {
    // Some failures leave errno alone (a write of nothing); they still are failures.
    const auto failure = [] { return errno ? errno : EIO; };
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return failure();
    Descriptor file(fd);
    errno = 0;
    int error = ::fchmod(fd, NewFileMode(target)) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0 ? 0 : failure();
    if (!file.Close() && !error) error = failure();
    if (!error && ::rename(temp.c_str(), target.c_str()) != 0) error = failure();
    if (error) ::unlink(temp.c_str());
    return error;
}

mode_t Current_Umask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status)) found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found) return static_cast<mode_t>(mask);
    }
    return 022;
}

} // namespace platform
