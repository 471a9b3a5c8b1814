#include "game/Bgm.h"

namespace glbMain {

void Fill_BgmTracks() {}
void Update_Bgm() {}

} // namespace glbMain
