#pragma once
// The six settings switches. They live for the run only: every start begins with the defaults.
#include <cstdint>

namespace glbSystem {

inline int16_t cfgBgm = -1;       // music
inline int16_t cfgStar = -1;      // star field
inline int16_t cfgRefresh = -1;   // repaint the game window every frame
inline int16_t cfgEasyBlast = 0;  // simplified explosions
inline int16_t cfgHardMode = 0;   // a mode index: 0 normal, 1 hard
inline int16_t cfgLimiter = -1;   // frame pacing

void Default_Config();

} // namespace glbSystem
