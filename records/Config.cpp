#include "records/Config.h"

namespace glbSystem {

void Default_Config() {
    cfgBgm = -1;
    cfgStar = -1;
    cfgRefresh = -1;
    cfgEasyBlast = 0;
    cfgHardMode = 0;
    cfgLimiter = -1;
}

} // namespace glbSystem
