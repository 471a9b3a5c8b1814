#include "game/EndScreens.h"

namespace glbMain {

void Check_Clear() {}
void Check_GameOver() {}
void Show_Clear() {}
void Show_GameOver() {}
void Show_Score() {}

} // namespace glbMain
