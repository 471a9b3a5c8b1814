#include "player/Stars.h"

namespace glbMain {

void Setup_Stars() {}
void Spawn_Stars() {}
void Move_Stars() {}
void Blast_Shower() {}

} // namespace glbMain
