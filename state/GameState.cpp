#include "state/GameState.h"

#include "platform/Platform.h"

namespace glbMain {

namespace {
// The last screen flash, kept across games like the rest of the clock readings.
int32_t flashStart = 0;
} // namespace

void Flash_Screen(uint32_t color) {
    using namespace platform;
    if (color != 0) {
        gameBackColor = color;
        gamePassFlash = color;
        flashStart = timeGetTime();
    } else if (ClockDiff(timeGetTime(), flashStart) > 64) {
        gameBackColor = 0;
    }
}

} // namespace glbMain
