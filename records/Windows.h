#pragma once
// Opening the records windows without blocking. onClosed runs as the window closes: the title
// menu, which opens them, shows itself again.
#include <functional>

namespace glbSystem {

void Open_Rank(std::function<void()> onClosed);
void Open_Config(std::function<void()> onClosed);

} // namespace glbSystem
