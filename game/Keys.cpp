#include "game/Keys.h"

#include "enemies/Boss.h"
#include "game/Bgm.h"
#include "game/GameWindow.h"
#include "game/glbMain.h"
#include "platform/Platform.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "records/Config.h"

namespace glbMain {

using namespace platform;

namespace {
void Notify(const char* name) {
    if (gameObserver) gameObserver->KeyEventHandled(name);
}

int16_t Toggled(int16_t flag) { return flag ? False : True; }
} // namespace

void Form_KeyDown(int keyCode) {
    if (keyCode == VK_CONTROL) {
        Notify("ctrl");
        if (!gameHidden) gamePaused = Toggled(gamePaused);
    } else if (keyCode == VK_RETURN) {
        Notify("enter");
        Hide_Game();
    }
}

void Form_KeyPress(int keyAscii) {
    if (keyAscii != 27) return;
    Notify("esc");
    // Once the end boxes have been shown the game is over and keeps its result.
    if (gameQuit) return;
    Mci_Command("Stop");
    gamePaused = False;
    gameQuit = True;
    gameAborted = True;
}

void Form_KeyUp(int keyCode) {
    static constexpr struct { int key; const char* name; } debugKeys[] = {
        {VK_F7, "f7"}, {VK_F8, "f8"}, {VK_F9, "f9"}, {VK_F10, "f10"}, {VK_F11, "f11"},
    };
    for (const auto& k : debugKeys)
        if (k.key == keyCode) Notify(k.name);
    if (!gamePaused) return;
    switch (keyCode) {
    case VK_F7: glbSystem::cfgHardMode = glbSystem::cfgHardMode == 0 ? 1 : 0; break;
    case VK_F8: Cheat_PowerUp(); break;
    case VK_F9: Cheat_Shield(); break;
    case VK_F10: gameBlastShower = Toggled(gameBlastShower); break;
    case VK_F11: Cheat_Warp(); break;
    default: break;
    }
}

void Form_QueryUnload() { Form_KeyPress(27); }

bool Focus_LossPauses() {
    // A destroyed ship or boss means the end boxes are coming; a pause would only hold them up.
    const bool ending = gameQuit || !Player.Alive || (BossPhase && !BossPresent);
    return !gamePaused && !gameHidden && !ending;
}

void Update_Pause() { Window().SetPauseCaption(gameScore); }

void Hold_Pause() {
    if (!(gameHidden || (!gameAborted && Player.Alive && gamePaused))) return;
    Window().SetPauseVisible(true);
    gameInHold = true;
    for (;;) {
        if (!gameHidden) Update_Bgm();
        Check_Unhide();
        if (!gamePaused) break;
        // Wait for an event, or a few milliseconds for the F12 poll: a paused game sleeps.
        CurrentHost().IdleEvents();
    }
    gameInHold = false;
    Window().SetPauseVisible(false);
}

void Check_Unhide() {
    if (gameHidden == True && KeyDown(VK_F12)) {
        Notify("unhide");
        gameHidden = False;
        Window().SetVisible(true);
    }
}

void Hide_Game() {
    gameHidden = True;
    gamePaused = True;
    bgmNewTrack = True;
    Mci_Command("Stop");
    Window().SetVisible(false);
}

void Cheat_Warp() {
    gameHasKilled = True;
    gameFrame = 13400;
}

} // namespace glbMain
