#pragma once
// The game's shared state: the flags and counters of one game that every rule reads, and the
// screen flash the hit rules set off. The flow that drives a game lives in game/.
#include <cstdint>

namespace glbMain {

inline int16_t gameQuit = 0;
inline int16_t gameAborted = 0;
inline int16_t gameHidden = 0;
inline int16_t gamePaused = 0;
inline int32_t gameFrame = 0;
inline int32_t gameScore = 0;
inline int16_t gameHasKilled = 0;
inline int16_t gameBlastShower = 0;
// Start the music track that fits the game's state at the next music step.
inline int16_t bgmNewTrack = 0;

// The game window's back colour (0x00BBGGRR); each frame is cleared to it.
inline uint32_t gameBackColor = 0;
// Passes of the frame loop in this game. Unlike gameFrame it never jumps (the warp key
// sets gameFrame); replays key their input to it.
inline int64_t gamePass = 0;
// True while the pause hold of the current pass is running.
inline bool gameInHold = false;
// The last non-zero colour given to Flash_Screen in the current pass, else 0 (for traces).
inline uint32_t gamePassFlash = 0;
// Whether frames are composed and presented; headless replays have no one to show them to.
inline bool gameDrawFrames = true;

// Colours the back of the field for about 64 ms; 0 ends a flash whose time is up.
void Flash_Screen(uint32_t color);

} // namespace glbMain
