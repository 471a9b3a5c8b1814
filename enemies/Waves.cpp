#include "enemies/Waves.h"

namespace glbMain {

void Schedule_Waves() {}
void Spawn_Poni() {}
void Move_Ponis() {}
void Remove_Poni(int) {}

} // namespace glbMain
