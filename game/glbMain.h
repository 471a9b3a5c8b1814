#pragma once
// The game flow: one game from reset to result, and the state that lives across its frames.
#include <cstdint>

#include "records/Ranking.h"

namespace glbMain {

inline int16_t gameQuit = 0;
inline int16_t gameAborted = 0;
inline int16_t gameHidden = 0;
inline int16_t gamePaused = 0;
inline int32_t gameFrame = 0;
inline int32_t gameScore = 0;
inline int16_t gameHasKilled = 0;
inline int16_t gameBlastShower = 0;

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

void Run_Game(glbSystem::RankRecord& result);
void Reset_World();
void Make_Result(glbSystem::RankRecord& result);
void Flash_Screen(uint32_t color);
// The frame wait: at least 25 ms per frame (15 ms while V is held) with the limiter on.
void Wait_Frame(int32_t frameStart);

// Watches a game pass by pass (replay recording, headless traces). Unset in a plain run.
class GameObserver {
public:
    virtual ~GameObserver() = default;
    // Before the world reset of a new game: the place to seed it, since nothing has drawn yet.
    virtual void GameStarting() {}
    // Before the quit test of every pass; the first call comes before the first pass.
    virtual void PassStarting() {}
    // Right after the frame counter of a pass was increased.
    virtual void PassEnded() {}
    // A key event of the game window was handled (name as replays spell it).
    virtual void KeyEventHandled(const char* name) { (void)name; }
    // After the game window was unloaded.
    virtual void GameEnded() {}
};
inline GameObserver* gameObserver = nullptr;

} // namespace glbMain
