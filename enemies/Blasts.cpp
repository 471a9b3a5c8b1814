#include "enemies/Blasts.h"

namespace glbMain {

void Spawn_Blast(int16_t, int16_t) {}
void Animate_Blasts() {}

} // namespace glbMain
