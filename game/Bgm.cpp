#include "game/Bgm.h"

#include "enemies/Boss.h"
#include "platform/Platform.h"
#include "platform/Types.h"
#include "records/Config.h"

namespace glbMain {

using namespace platform;

void Fill_BgmTracks() {
    bgmTracks[0] = {"迎撃戦.wav", 50386};
    bgmTracks[1] = {"ボス戦.wav", 41508};
}

void Update_Bgm() {
    if (!glbSystem::cfgBgm) return;
    if (bgmNewTrack) {
        bgmNewTrack = False;
        bgmTrack = BossPhase ? 1 : 0;
        Mci_Command("Close");
        Mci_FileName(bgmTracks[bgmTrack].fileName);
        Mci_Command("Open");
        Mci_Command("Play");
        bgmStart = timeGetTime();
        return;
    }
    // We never ask the player where it is: a track has ended when its known length has passed.
    // The difference, not bgmStart + length, so the loop survives the clock's wrap.
    if (ClockDiff(timeGetTime(), bgmStart) >= bgmTracks[bgmTrack].lengthMs) {
        Mci_Command("Prev");
        Mci_Command("Play");
        bgmStart = timeGetTime();
    }
}

} // namespace glbMain
