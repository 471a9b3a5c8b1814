#include "enemies/Blasts.h"

#include "platform/Random.h"
#include "platform/Types.h"
#include "records/Config.h"
#include "state/GameState.h"

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

// The debugging shower (F10) spreads explosions over the whole field and a little beyond.
void Blast_Shower() {
    if (!gameBlastShower) return;
    for (int i = 0; i < 3; ++i) {
        const int16_t w = BlastTable[0].Width;
        const int16_t h = BlastTable[0].Height;
        // x is drawn before y; the spread reaches half an explosion past every edge.
        const double x = Int(Rnd() * (w + 320)) - w / 2.0;
        const double y = Int(Rnd() * (h + 240)) - h / 2.0;
        Spawn_Blast(static_cast<int16_t>(CInt(x)), static_cast<int16_t>(CInt(y)));
    }
}

} // namespace glbMain
