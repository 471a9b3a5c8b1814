#pragma once
// The game window's keys, the pause hold and hiding the game.

namespace glbMain {

void Form_KeyDown(int keyCode);
void Form_KeyPress(int keyAscii);
void Form_KeyUp(int keyCode);
// The game window's close box ends a game as Esc does.
void Form_QueryUnload();

// Whether the game should pause now that its windows lost the keyboard focus to another
// program: only a game that runs (not paused, hidden or ending).
bool Focus_LossPauses();

void Update_Pause();
void Hold_Pause();
void Check_Unhide();

// Hides the game window and freezes the game until F12 and Ctrl.
void Hide_Game();
void Cheat_Warp();

} // namespace glbMain
