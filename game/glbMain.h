#pragma once
// The game flow: one game from reset to result, paced frame by frame, and the observers that
// watch it (replay recording, headless traces).
#include <cstdint>

#include "state/GameState.h"

namespace glbSystem {
struct RankRecord;
}

namespace glbMain {

void Run_Game(glbSystem::RankRecord& result);
void Reset_World();
void Make_Result(glbSystem::RankRecord& result);
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
