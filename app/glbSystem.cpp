#include "app/glbSystem.h"

#include "app/Center.h"
#include "app/frmMenu.h"
#include "platform/Random.h"
#include "records/Config.h"
#include "records/Ranking.h"

namespace glbSystem {

void Main(uint64_t seed) {
    Load_Rank();
    platform::Randomize(seed);
    Default_Config();
    Show_Centered(Menu());
}

} // namespace glbSystem
