#pragma once
// Opening the records windows without blocking. onClosed runs as the window closes: the title
// menu, which opens them, shows itself again.
#include <functional>
#include <string>

namespace glbSystem {

void Open_Rank(std::function<void()> onClosed);
// Plays the kept replay at path in the game window and returns when it is over; the
// application installs it, so that the ranking window's リプレイ can watch a row's game.
inline void (*Show_Replay)(const std::string& path) = nullptr;
void Open_Config(std::function<void()> onClosed);

} // namespace glbSystem
