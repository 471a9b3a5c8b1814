#pragma once
// The services the rules need from the outside world. The game code calls only these free
// functions; behind them sits one Host: the live one (Qt) or a scripted one (tests, headless
// replays). Keeping every outside dependency here is what makes a game replay exactly.
#include <cstdint>
#include <string>

#include "platform/Effect.h"
#include "platform/Text.h"

namespace platform {

// Virtual-key codes the game polls or receives.
enum VKey : int {
    VK_RETURN = 13, VK_CONTROL = 17, VK_ESCAPE = 27, VK_SPACE = 32,
    VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_DELETE = 46,
    VK_V = 86, VK_F7 = 118, VK_F8 = 119, VK_F9 = 120, VK_F10 = 121, VK_F11 = 122, VK_F12 = 123,
};

// Message box button sets and answers, as the rest of the program numbers them.
enum MsgButtons { MB_OK = 0, MB_OKCANCEL = 1, MB_YESNO = 4 };
enum MsgAnswer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class Host {
public:
    virtual ~Host() = default;
    // Milliseconds since start-up as a 32-bit signed value; callers subtract wrap-safely.
    virtual int32_t TimeMs() = 0;
    // Whether the key is held at this moment. Live, keys count only while a window of the game
    // has the keyboard focus, apart from F12, which brings back a hidden game.
    virtual bool KeyHeld(int vk) = 0;
    // Modal box without icon; prompt lines are separated by "\r\n". A live box shows the texts
    // in the player's language.
    virtual int MessageBox(const Text& prompt, const Text& title, int buttons) = 0;
    // The media player: "Close", "Open", "Play", "Prev", "Stop"; and the file to open.
    virtual void MediaCommand(const std::string& command) = 0;
    virtual void MediaFileName(const std::string& fileName) = 0;
    // Let the windows handle what is pending, once.
    virtual void DoEvents() = 0;
    // Handle events until the clock reaches deadlineMs, blocking in between (never spinning).
    virtual void WaitUntil(int32_t deadlineMs) = 0;
    // Handle events, blocking at most a few milliseconds for one to arrive (the pause hold).
    virtual void IdleEvents() = 0;
    // A short alert sound.
    virtual void Beep() = 0;
    // Whether a window of the game has the keyboard focus at this moment: keys the game polls
    // count only then (F12 apart), and losing it pauses a running game.
    virtual bool HasFocus() { return true; }
    // Whether the key is down on the keyboard at this moment, whichever program has the focus;
    // false where the window system does not tell.
    virtual bool KeyDownAnywhere(int vk) { (void)vk; return false; }
    // A sound effect, when the player has them on; by default none.
    virtual void SoundEffect(Effect effect) { (void)effect; }
    // Whether KeyHeld sees F12 while none of our windows has the focus. Where it does not,
    // a hidden game is minimised instead, so the player can bring it back from the task bar.
    virtual bool KeysSeenEverywhere() { return true; }
    // The next poll of vk finds it held: a hidden game brought back by other means than F12.
    virtual void PressOnce(int vk) { (void)vk; }
    // Today as days since 1899-12-30, and the time of day as "H:mm:ss".
    virtual double Today();
    virtual std::string TimeOfDay();
};

// The host in force; the program installs one at start-up, tests install a scripted one.
Host& CurrentHost();
// Returns the host it replaces (nullptr for none), for whoever puts it back.
Host* InstallHost(Host* host);

// The platform calls, named as the rest of the program knows them.
int32_t timeGetTime();
// Returns a value whose sign bit is set while the key is held, like the system call it stands for.
int16_t GetAsyncKeyState(int vk);
inline bool KeyDown(int vk) { return GetAsyncKeyState(vk) < 0; }
int MsgBox(const Text& prompt, int buttons, const Text& title);
void Mci_Command(const std::string& command);
void Mci_FileName(const std::string& fileName);
void DoEvents();
void Beep();
void Play_Effect(Effect effect);

// Wrap-safe difference of two clock readings, as a 32-bit signed value.
inline int32_t ClockDiff(int32_t later, int32_t earlier) {
    return static_cast<int32_t>(static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier));
}

} // namespace platform
