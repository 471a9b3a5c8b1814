#include "player/Weapons.h"

namespace glbMain {

void Fire_Balkan() {}
void Fire_Sonic() {}
void Fire_Laser() {}
void Move_Shots() {}
void End_Laser() {}

} // namespace glbMain
