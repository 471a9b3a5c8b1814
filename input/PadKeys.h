#pragma once
// A controller's buttons as the keys they stand for: held game keys, and keys posted to the
// window that has the focus.
#include <functional>

#include "input/SdlGamepads.h"

class QWidget;

namespace input {

// The virtual key a button holds in the game, 0 for none: the d-pad's arrows, the rest as the
// player bound them.
int PadGameKey(PadButton button);

// What a window makes of the buttons. Buttons (every window unless it says otherwise): the
// d-pad moves between the buttons, A presses the one in focus (Space) and B is Esc. Game: the
// buttons are polled keys, and Start is Ctrl. Keyboard: a window that needs typing hears
// nothing.
enum class PadRole { Buttons, Game, Keyboard };
void Set_PadRole(QWidget* window, PadRole role);

// The keys are posted, so that they reach the game between passes as typed keys do.
void Route_PadButton(PadButton button, bool down);

// While set, a press of any button but the d-pad's goes here (posted) instead of to the
// windows: a window that asks the player for a button. nullptr ends it.
void Catch_PadButtons(std::function<void(PadButton button)> catcher);

} // namespace input
