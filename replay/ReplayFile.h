#pragma once
// A replay file read a piece at a time, so that a file that is none (a device, a stream of
// noise, a huge sparse file) is refused within the bounds of Reader instead of read whole.
#include <string>

#include "replay/Replay.h"

namespace replay {

// Reads the replay at path (a FIFO or a pipe too). Empty when it is one; otherwise the
// one-line message to show: "cannot read the replay NAME: why" or "NAME:LINE: fault", with
// the name as Printable shows it.
std::string Read_ReplayFile(const std::string& path, Replay& out);

} // namespace replay
