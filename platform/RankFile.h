#pragma once
// Whole-file access for the ranking (replays are replaced the same way). A write replaces the
// file at once (a temporary file in the same folder, synced, then renamed over the old one), so
// a crash or a full disk leaves the old or the new content, never a mixture or an empty file.
// Only a regular file, or a link to one, is ever opened: a FIFO would block the program, and a
// device must never be overwritten.
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace platform {

struct FilePatch {
    int64_t offset = 0;
    std::string bytes;
};

// Reads at most maxBytes from the start of the file into `head` and its whole length into
// `length`, creating an empty file when there is none. False when the file cannot be created
// or read, or is no regular file; `head` and `length` are then untouched.
bool Read_File_Head(const std::string& path, std::size_t maxBytes, std::string& head, int64_t& length);

// Writes the patches over the file's content, zero bytes filling any gap where the file was
// shorter, and keeps every other byte the file held. False when nothing was written: the file
// cannot be read (its other bytes would be lost), is no regular file, or the bytes could not
// all reach the disk. Where the folder takes no new file but the file itself may be written,
// the bytes go into the file in place.
bool Patch_File(const std::string& path, const std::vector<FilePatch>& patches);

// Deletes the file; true when it is gone afterwards, also when it never existed. A link, or a
// file in a folder that refuses the deletion but lets the file be written, is emptied instead:
// the link keeps leading to the shared file.
bool Delete_File(const std::string& path);

// Puts `content` in place of the file `target` at once: written whole beside it under a name
// of its own, synced, then renamed over it, so that a crash, a full disk or another copy of
// the program never leaves a mixture. 0 when done, the error number otherwise; the old file is
// then untouched.
int Replace_Whole(const std::string& target, const std::string& content);

// The file a name leads to, through links, also where the last link leads nowhere yet: a
// write through a link replaces that file and keeps the link. The name itself for no link.
std::string Link_Target(const std::string& path);

// The process's umask, read without changing it: setting it to learn it would give files that
// other threads (sound, controllers) create in that moment the wrong permissions.
mode_t Current_Umask();

// Every byte written to a file goes through this call: the system's write(), unless a test
// puts one that fails in its place.
inline ssize_t (*Write_Call)(int fd, const void* data, std::size_t size) = ::write;

} // namespace platform
