#include "enemies/Blasts.h"

#include "game/glbMain.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "records/Config.h"

namespace glbMain {

using namespace platform;
using glbSystem::cfgEasyBlast;

void Spawn_Blast(int16_t x, int16_t y) {
    for (auto& blast : BlastTable) {
        if (blast.Active) continue;
        blast.Active = True;
        blast.Sheet = static_cast<int16_t>(Int(Rnd() * 5));
        blast.X = static_cast<int16_t>(CInt(x - blast.Width / 2.0));
        blast.Y = static_cast<int16_t>(CInt(y - blast.Height / 2.0));
        // Simplified explosions show every other cell, starting one step earlier.
        blast.Frame = static_cast<int16_t>(cfgEasyBlast ? -2 : -1);
        return;
    }
    // A full table just shows no explosion; the caller carries on.
}

void Animate_Blasts() {
    if (gameFrame % 2 != 0) return;
    const int16_t step = cfgEasyBlast ? 2 : 1;
    for (auto& blast : BlastTable) {
        if (!blast.Active) continue;
        blast.Frame = static_cast<int16_t>(blast.Frame + step);
        if (blast.Frame > 15) blast.Active = False;
    }
}

} // namespace glbMain
