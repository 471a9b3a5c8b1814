#pragma once
// Writing a file so that it is never seen half written: the new content goes into a file of
// its own beside the target, is synced, and is then renamed over the target at once. A crash,
// a full disk or another copy of the program leaves the old content or the new, never a mixture.
#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

// Every byte written to a file goes through this call: the system's write(), unless a test
// puts one that fails in its place.
inline ssize_t (*Write_Call)(int fd, const void* data, std::size_t size) = ::write;

// A file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }
    // Takes fd in place of the one held, which is closed.
    void Reset(int fd);
    // Some file systems report a failed write only here.
    bool Close();

private:
    int fd_;
};

// Opens the file without ever blocking (a FIFO put there since a check would) and keeps it
// only when it is a regular file; -1 otherwise.
int Open_Regular(const std::string& path, int flags);
// Appends at most maxBytes from fd to out; false on a read error.
bool Read_Up_To(int fd, std::size_t maxBytes, std::string& out);
// Writes every byte, retrying short writes; false when the bytes cannot all be written.
bool Write_All(int fd, std::string_view bytes);

// The file a name finally leads to through a chain of links, also where the last link leads
// nowhere yet: a write through links replaces that file and keeps every link. The name itself
// when it is no link.
std::string Final_Target(const std::string& path);

// The name of the target a file of AtomicFile's own beside it was written for, when `name` is
// one ("Ranking.sav.ponigari-" and six letters or digits); empty otherwise. Such a file stays
// only when a save was killed before its rename; the mark keeps a player's own copies, such as
// "Ranking.sav.backup", out of the count.
std::string_view Temp_Target(std::string_view name);

// A new content for one file, written beside it and put in its place by Commit. The new file
// takes the old one's permissions, or those the umask leaves of 0666 for a new one. A file
// never committed is removed.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // 0 when the file beside target is open, the error number otherwise.
    int Open(const std::string& target);
    // False once any write failed; Commit then reports it.
    bool Write(std::string_view bytes);
    // Syncs, closes and renames the file over the target, then syncs the folder, so that the
    // new content survives a power cut. 0 when all of it was done, the error number otherwise:
    // the target is then untouched, unless only the folder's sync failed, when the new content
    // is in place but may not outlive a power cut.
    int Commit();
    int fd() const { return file_.fd(); }

private:
    void Discard();

    std::string target_, temp_;
    Descriptor file_;
    int error_ = 0;
};

// Puts `content` in place of the file `target` at once, as AtomicFile does. 0 when done, the
// error number otherwise, as Commit tells it.
int Replace_Atomically(const std::string& target, std::string_view content);

} // namespace platform
