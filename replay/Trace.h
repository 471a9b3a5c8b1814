#pragma once
// The headless trace: one JSON object per pass with the state the rules keep, then one
// object telling how the game ended. Two runs of the same replay give the same bytes.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SaveFile.h"
#include "records/Ranking.h"
#include "replay/Replay.h"

namespace replay {

// Why a playback stopped before the game ended by itself.
enum class Stop { None, Stalled, Limit };

// How the game just over ended; fills `result` as the game flow does unless it was abandoned.
Ending Game_Ending(glbSystem::RankRecord& result);

class TraceWriter {
public:
    // Writes to `out` (not closed here), buffered.
    explicit TraceWriter(std::FILE* out);
    ~TraceWriter();
    TraceWriter(const TraceWriter&) = delete;
    TraceWriter& operator=(const TraceWriter&) = delete;

    // A new game: forgets the boxes and passes of the last one.
    void Begin();
    // After the frame counter of a pass was increased.
    void Pass();
    void Box(std::string_view title, std::string_view prompt);
    // The final object: the ending, the passes run, the boxes and the result.
    void Finish(Stop stop);
    int64_t Passes() const { return passes_; }
    // The error number of the first write that failed, 0 while none has; nothing more is
    // written after it.
    int Error() const { return error_; }
    // Writes out what the buffer holds.
    void Flush();

private:

    std::FILE* out_;
    std::string buf_;
    std::vector<std::string> boxes_;  // title and prompt, alternately
    int64_t passes_ = 0;
    int error_ = 0;
};

// A trace written to a file by name, "-" for standard output. A file is saved as the program
// saves every file (platform/SaveFile.h): it takes the old one's place only once it is whole.
class TraceFile {
public:
    explicit TraceFile(const std::string& path);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Null when the file could not be opened.
    TraceWriter* Writer() { return writer_.get(); }
    // Flushes and closes the file (standard output stays open). False when the file could
    // not be opened or any part of the trace did not reach it; Reason() then says why.
    bool Close();
    const std::string& Reason() const { return reason_; }

private:
    platform::SaveStream stream_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<TraceWriter> writer_;
    std::string reason_;
    bool closed_ = false;
};

} // namespace replay
