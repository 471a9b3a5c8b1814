#pragma once
// The ranking file on the disk: read from its start, written slot by slot keeping every other
// byte it held, and deleted. It is saved as the program saves every file (platform/SaveFile.h):
// only a regular file, or a link to one, is ever opened, since a FIFO would block the program
// and a device must never be overwritten.
#include <cstdint>
#include <string>
#include <vector>

namespace glbSystem {

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
// all reach the disk.
bool Patch_File(const std::string& path, const std::vector<FilePatch>& patches);

// Every change of the ranking file is a read-modify-write under this lock, which all copies of
// the program take: a copy that registers reads the file again under it, so that the results
// another copy saved meanwhile stay. The lock is a file of its own beside the ranking (a lock
// on the ranking itself would not survive the rename that replaces it), or the ranking itself
// where the folder takes no new file (a file written in place keeps its lock). Taken again by
// the copy that holds it, it just counts; released when the last holder goes.
class RankLock {
public:
    explicit RankLock(const std::string& path);
    ~RankLock();
    RankLock(const RankLock&) = delete;
    RankLock& operator=(const RankLock&) = delete;
    // False when another copy kept the lock for seconds (a stopped process), or no lock can be
    // made: the file is then not to be changed.
    bool Held() const { return held_; }

private:
    bool held_ = false;
};

// Deletes the file; true when it is gone afterwards, also when it never existed. A link, or a
// file in a folder that refuses the deletion but lets the file be written, is emptied instead:
// the link keeps leading to the shared file.
bool Delete_File(const std::string& path);

} // namespace glbSystem
