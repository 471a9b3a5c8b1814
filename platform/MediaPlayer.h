#pragma once
// The wave player behind the game's music commands. Every call returns at once; playback
// goes on in the background. A missing file or sound device only means silence.
#include <string>

namespace platform {

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void SetFileName(const std::string& fileName) = 0;
    virtual void Close() = 0;
    virtual void Open() = 0;
    virtual void Play() = 0;
    virtual void Prev() = 0;
    virtual void Stop() = 0;

    // Dispatches one command string; unknown commands are ignored.
    void Command(const std::string& command);
};

} // namespace platform
