#pragma once
// A controller's buttons as the keys they stand for in the window that has the focus.
#include "platform/SdlGamepads.h"

namespace glbSystem {

// In the game, Start is Ctrl (the other buttons are polled keys). In the title menu, the
// records windows and the message boxes, the d-pad moves between the buttons, A presses the
// one in focus (Space) and B is Esc. The name dialog needs a keyboard and hears nothing.
// The keys are posted, so that they reach the game between passes as typed keys do.
void Route_PadButton(platform::PadButton button, bool down);

} // namespace glbSystem
