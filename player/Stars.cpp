#include "player/Stars.h"

#include "platform/Random.h"
#include "platform/Types.h"
#include "records/Config.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;
using glbSystem::cfgStar;

namespace {
int16_t RandomSpeed() { return static_cast<int16_t>(-Int(Rnd() * 8) - 2); }
int16_t RandomRow() { return static_cast<int16_t>(Int(Rnd() * 240)); }
} // namespace

void Setup_Stars() {
    for (auto& star : Star) {
        // One draw per slot even with the stars off, so the rest of the game draws the same numbers.
        const double r = Rnd();
        if (Int(r * 2) != 0 || !cfgStar) {
            star.Active = False;
            continue;
        }
        star.Active = True;
        star.Speed = RandomSpeed();
        star.X = static_cast<int16_t>(Int(Rnd() * 320));
        star.Y = RandomRow();
    }
}

void Spawn_Stars() {
    if (!cfgStar) return;
    for (auto& star : Star) {
        if (star.Active) continue;
        star.Speed = RandomSpeed();
        star.Active = True;
        star.X = 320;
        star.Y = RandomRow();
        return;
    }
}

void Move_Stars() {
    if (!cfgStar) return;
    for (auto& star : Star) {
        if (!star.Active) continue;
        star.X = static_cast<int16_t>(star.X + star.Speed);
        if (star.X < 0) star.Active = False;
    }
}

} // namespace glbMain
