#pragma once
// The end of a game: the delays after the boss's or the ship's destruction and the boxes.
namespace glbMain {

void Check_Clear();
void Check_GameOver();
void Show_Clear();
void Show_GameOver();
void Show_Score();

} // namespace glbMain
