#include "platform/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <utility>

namespace platform {

namespace {

// Some failures leave errno alone (a write of nothing); they still are failures.
int Failure() { return errno ? errno : EIO; }

std::string Folder_Of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

constexpr std::string_view kTempMark = ".ponigari-";
constexpr int kTempLetters = 6;

// A name of its own beside the target, "target.ponigari-XXXXXX". The file is created by open()
// with 0666, so the umask gives a new file its usual permissions.
int Create_Beside(const std::string& target, std::string& temp) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::random_device entropy;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + std::string(kTempMark);
        for (int i = 0; i < kTempLetters; ++i) temp += kLetters[pick(entropy)];
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

std::string_view Temp_Target(std::string_view name) {
    const std::size_t mark = name.rfind(kTempMark);
    if (mark == std::string_view::npos || name.size() != mark + kTempMark.size() + kTempLetters) return {};
    const std::string_view letters = name.substr(mark + kTempMark.size());
    if (!std::all_of(letters.begin(), letters.end(), [](unsigned char c) { return std::isalnum(c) != 0; })) return {};
    return name.substr(0, mark);
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
}

void Descriptor::Reset(int fd) {
    Close();
    fd_ = fd;
}

bool Descriptor::Close() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
}

int Open_Regular(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

bool Read_Up_To(int fd, std::size_t maxBytes, std::string& out) {
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

bool Write_All(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = Write_Call(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string Final_Target(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path at(path);
    // As many links as the system itself follows; a loop of links ends where it stands.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(at, error))) break;
        const fs::path to = fs::read_symlink(at, error);
        if (error) break;
        at = to.is_absolute() ? to : at.parent_path() / to;
    }
    return at.string();
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Discard() {
    file_.Close();
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

int AtomicFile::Open(const std::string& target) {
    Discard();
    target_ = target;
    error_ = 0;
    const int fd = Create_Beside(target, temp_);
    if (fd < 0) {
        temp_.clear();
        return error_ = Failure();
    }
    file_.Reset(fd);
    // A file that is replaced keeps its permissions.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) error_ = Failure();
    return error_;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (error_ || file_.fd() < 0) return false;
    errno = 0;
    if (!Write_All(file_.fd(), bytes)) error_ = Failure();
    return !error_;
}

int AtomicFile::Commit() {
    if (file_.fd() < 0 && !error_) error_ = EBADF;
    errno = 0;
    if (!error_ && ::fsync(file_.fd()) != 0) error_ = Failure();
    if (!file_.Close() && !error_) error_ = Failure();
    if (!error_ && ::rename(temp_.c_str(), target_.c_str()) != 0) error_ = Failure();
    if (error_) {
        Discard();
        return error_;
    }
    temp_.clear();
    // The rename itself reaches the disk only with its folder.
    // File systems that keep no folder on a disk of their own cannot sync one, and say so.
    Descriptor folder(::open(Folder_Of(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd() < 0 || (::fsync(folder.fd()) != 0 && errno != EINVAL && errno != ENOTSUP)) return error_ = Failure();
    return 0;
}

int Replace_Atomically(const std::string& target, std::string_view content) {
    AtomicFile file;
    if (const int error = file.Open(target)) return error;
    file.Write(content);
    return file.Commit();
}

} // namespace platform
