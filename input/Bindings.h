#pragma once
// The keys and controller buttons the player chose for the game's actions. The rules know an
// action by the virtual key it was first made for (VK_SPACE fires, on whatever key the player
// put it), so replays keep recording actions and play the same under any keys.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "input/SdlGamepads.h"

namespace input {

// In the order the window and the preferences file list them.
enum class Action : int { Left, Up, Right, Down, Fire, Fast, Pause, Hide, Back, Abandon, FullScreen, Count };
constexpr int kActionCount = static_cast<int>(Action::Count);

// The actions a controller button may take; the moves stay on the d-pad and the stick.
constexpr std::array<Action, 5> kPadActions{Action::Fire, Action::Fast, Action::Pause, Action::Hide, Action::Back};

struct Bindings {
    std::array<int, kActionCount> keys{};          // Qt key codes
    std::array<uint32_t, kActionCount> buttons{};  // PadButton bits, for the kPadActions only
    bool operator==(const Bindings&) const = default;
};

// Arrows, Space, V, Ctrl, Enter, F12, Esc and F; A fires, X or the right shoulder is fast,
// Start pauses, Back brings a hidden game back.
Bindings Default_Bindings();
// The bindings in force: the game window's key events, the X key map and the controllers
// follow them from the next key on.
const Bindings& Current_Bindings();
void Set_Bindings(const Bindings& bindings);
// Grows with every Set_Bindings: what is worked out from the bindings knows when to redo it.
unsigned Bindings_Version();

// The action's name in the preferences file: "left", "fire", "fullscreen".
const char* Action_Name(Action action);
// The virtual key the rules poll or receive for the action; 0 for full screen, which is the
// window's own business.
int Action_VirtualKey(Action action);

// The keypad's Enter is Enter.
inline int Plain_Key(int qtKey) { return qtKey == Qt::Key_Enter ? Qt::Key_Return : qtKey; }
// F7 to F11, the debugging keys of a paused game, which stay where they are.
inline bool Debug_Key(int qtKey) { return qtKey >= Qt::Key_F7 && qtKey <= Qt::Key_F11; }
// Whether an action may go on the key: one the game can watch held, other than a debugging key.
bool Key_Bindable(int qtKey);
// A key's name as Qt's portable text writes it ("Z", "Space", "Return", "F12"), but "Ctrl"
// for the Control key.
QString Key_Name(int qtKey);
// The bindable key a name stands for, in any case; 0 for none.
int Key_From_Name(const QString& name);

// The buttons an action may go on: the face and shoulder buttons, Start and Back.
inline bool Button_Bindable(int button) { return button >= PadA && button < PadButtonCount; }
// The names of the buttons of a set, in the order of PadButton: "A", "B", "X", "Y", "LB",
// "RB", "Start", "Back" (the d-pad's are "Left" to "Down").
QStringList Button_Names(uint32_t buttons);
// The bindable button a name stands for, in any case; PadButtonCount for none.
PadButton Button_From_Name(const QString& name);

// The action other than except whose key is qtKey, or whose buttons share one with buttons;
// Action::Count for none.
Action Key_Holder(const Bindings& bindings, int qtKey, Action except);
Action Buttons_Holder(const Bindings& bindings, uint32_t buttons, Action except);

} // namespace input
