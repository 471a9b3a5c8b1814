#pragma once
// Frame composition: the drawing steps, each an OR transfer of sprite pictures onto the frame.
#include "draw/FrameImage.h"

namespace draw {

// The game window's image.
inline FrameImage Frame;

void Draw_Stars();
void Draw_Player();
void Draw_Shield();
void Draw_Shots();
void Draw_Items();
void Draw_Enemies();
void Draw_Boss();
void Draw_EnemyShots();
void Draw_Rockets();
void Draw_Explosions();

// Clears the frame to the back colour and runs every drawing step in its order.
void Compose_Frame(uint32_t backColor);

} // namespace draw
