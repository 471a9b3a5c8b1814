#pragma once
// How the program saves a player's files (the ranking, replays, traces): through links to
// the file they finally lead to, keeping the links; never over a file its owner made
// read-only; replaced at once where the folder allows, written in place where the folder
// takes no new file but the file itself may be written; never blocking on a FIFO.
#include <string>
#include <string_view>

#include "platform/AtomicFile.h"

namespace platform {

// What a name leads to, through links: nothing, a regular file, a link whose chain ends
// nowhere yet, or anything else (a folder, a device, a FIFO, a socket).
enum class FileKind { Missing, Regular, Dangling, Other };
FileKind Kind_Of(const std::string& path);

// What a save does with a name that leads to a device, a FIFO or a socket.
enum class OtherFiles {
    Refuse,        // the ranking: only a regular file can hold it, and no link may create one
    WriteInPlace,  // replays and traces may go to a device or a pipe, or through a new link
};

// Saves content under path. 0 when done, the error number otherwise; the old content is
// then untouched, but for a folder that could not be synced (see AtomicFile::Commit).
int Save_File(const std::string& path, std::string_view content, OtherFiles others);

// A file saved as it is written, piece by piece (a trace), by the same rules as Save_File: a
// regular file takes its new content at Finish, all at once; where the folder takes no new file
// but the file may be written, it is written in place from the start; a device or a pipe
// takes the bytes as they come.
class SaveStream {
public:
    // 0 when the bytes can be written to fd(), the error number otherwise.
    int Open(const std::string& path);
    int fd() const { return replacing_ ? atomic_.fd() : direct_.fd(); }
    // 0 when every byte reached its place, the error number otherwise.
    int Finish();

private:
    AtomicFile atomic_;
    Descriptor direct_;  // a device, a pipe, or a file written in place
    bool replacing_ = false;
};

// For a folder that takes no new file but lets this one be written: the bytes go into the
// file in place, and a failed write puts the old bytes back (overwriting bytes the file
// already held needs no new space on the disk).
bool Write_In_Place(const std::string& target, std::string_view content);

} // namespace platform
