#pragma once
// The last steps before a song becomes a file: level, loop edges, 16-bit samples.
#include <string>

#include "Synth.h"

namespace music {

struct Levels {
    double peakDb = 0, rmsDb = 0, seconds = 0;
};

// Peak and RMS of a mix, and its length.
Levels Measure(const Stereo& mix);

// Removes DC, sets the level (RMS near -16 dBFS, peaks bent under -1.5 dBFS) and rounds the
// very first and last milliseconds so the loop point never clicks.
Levels Master(Stereo& mix);

// Writes a 44.1 kHz 16-bit stereo wave file through a temporary name, so a half-written
// file never stands under the real one. Returns false when it cannot be written.
bool WriteWave(const Stereo& mix, const std::string& path);

} // namespace music
