#pragma once
// Whole-file access for the ranking. A write replaces the file at once (a temporary file in
// the same folder, renamed over the old one), so a crash leaves the old or the new content,
// never a mixture that the next start would take for damage.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct FilePatch {
    int64_t offset = 0;
    std::string bytes;
};

// Reads at most maxBytes from the start of the file into `head` and its whole length into
// `length`, creating an empty file when there is none. False when the file cannot be created
// or read; `head` and `length` are then untouched.
bool Read_File_Head(const std::string& path, std::size_t maxBytes, std::string& head, int64_t& length);

// Writes the patches over the file's content, zero bytes filling any gap where the file was
// shorter, and keeps every other byte the file held. False when nothing was written: the file
// cannot be read (its other bytes would be lost) or the folder takes no new file.
bool Patch_File(const std::string& path, const std::vector<FilePatch>& patches);

// Deletes the file; true when it is gone afterwards, also when it never existed.
bool Delete_File(const std::string& path);

} // namespace platform
