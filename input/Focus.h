#pragma once
// Who has the keyboard focus: a window of the game or another program.
namespace input {

// Whether one of this application's windows has the keyboard focus. display is the
// application's Xlib Display*, nullptr where there is no X server to ask.
bool Game_Has_Focus(void* display);

} // namespace input
