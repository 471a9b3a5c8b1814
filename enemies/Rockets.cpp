#include "enemies/Rockets.h"

namespace glbMain {

void Tick_BossFire() {}
void Launch_Rocket() {}
void Move_Rockets() {}
void Detonate_Rocket(int) {}
void Check_RocketHits() {}
void Check_RocketShots() {}

} // namespace glbMain
