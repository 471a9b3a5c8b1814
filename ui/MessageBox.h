#pragma once
// The program's message boxes: no icon, the answers the rest of the program numbers, and wide
// enough for their title as well as their prompt.
#include "platform/Text.h"

namespace ui {

// A modal box over the active window, in the player's language. Prompt lines are separated by
// "\r\n"; buttons is one of platform's MB_ sets and the answer one of its ID values. The close
// box and Esc answer with the box's negative button, or OK where OK is alone.
int Show_Message_Box(const platform::Text& prompt, const platform::Text& title, int buttons);

} // namespace ui
