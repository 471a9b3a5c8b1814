#pragma once
// Background music: the stage track, then the boss track, looped by their known lengths.
#include <array>
#include <cstdint>
#include <string>

#include "state/GameState.h"

namespace glbMain {

struct BgmTrack {
    std::string fileName;
    int32_t lengthMs = 0;
};

inline std::array<BgmTrack, 2> bgmTracks{};
// Kept by Update_Bgm between calls and between games.
inline int32_t bgmStart = 0;
inline int16_t bgmTrack = 0;

void Fill_BgmTracks();
void Update_Bgm();

} // namespace glbMain
