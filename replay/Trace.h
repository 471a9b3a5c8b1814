#pragma once
// The headless trace: one JSON object per pass with the state the rules keep, then one
// object telling how the game ended. Two runs of the same replay give the same bytes.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace replay {

// Why a playback stopped before the game ended by itself.
enum class Stop { None, Stalled, Limit };

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

private:
    void Flush();

    std::FILE* out_;
    std::string buf_;
    std::vector<std::string> boxes_;  // title and prompt, alternately
    int64_t passes_ = 0;
};

} // namespace replay
