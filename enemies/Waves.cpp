#include "enemies/Waves.h"

#include "enemies/Boss.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;

namespace {

// Frames between two appearances at frame n; 0 for the quiet band before the boss.
int32_t Spawn_Interval(int32_t n) {
    if (n < 2000) return 30;
    if (n < 4000) return 20;
    if (n < 6000) return 10;
    if (n < 8000) return 30;
    if (n < 10000) return 20;
    if (n < 12000) return 15;
    if (n < 13000) return 10;
    return 0;
}

int16_t Draw_PoniSpeed(int32_t n) {
    // Up to frame 5999 everything flies left; later either way, never standing still.
    if (n < 6000) return static_cast<int16_t>(-(Int(Rnd() * 4) + 1));
    int16_t vx = 0;
    do {
        vx = static_cast<int16_t>(Int(Rnd() * 9) - 4);
    } while (vx == 0);
    return vx;
}

} // namespace

void Schedule_Waves() {
    if (BossPhase) return;
    const int32_t n = gameFrame;
    // A negative counter can only come from a warp; it hands over to the boss too.
    if (n < 0 || n >= 13400) {
        Start_Boss();
        return;
    }
    const int32_t interval = Spawn_Interval(n);
    if (interval == 0) return;
    if (n % interval == 0 && n > 120) Spawn_Poni();
}

void Spawn_Poni() {
    for (auto& poni : PoniTable) {
        if (poni.Active) continue;
        poni.Active = True;
        poni.Vx = Draw_PoniSpeed(gameFrame);
        // Right-flyers start at -1, already 15 columns inside the field.
        poni.X = static_cast<int16_t>(poni.Vx <= 0 ? 320 : -1);
        poni.Y = static_cast<int16_t>(Int(Rnd() * (240 - PoniTable[0].Height)));
        return;
    }
    // A full table loses this tick of the schedule.
}

void Move_Ponis() {
    for (int i = 0; i < static_cast<int>(PoniTable.size()); ++i) {
        auto& poni = PoniTable[i];
        if (!poni.Active) continue;
        poni.X = static_cast<int16_t>(poni.X + poni.Vx);
        if (poni.X <= -poni.Width || poni.X >= 320) Remove_Poni(i);
    }
}

void Remove_Poni(int index) {
    PoniTable[index].Active = False;
    PoniTable[index].FireWait = 0;
}

} // namespace glbMain
