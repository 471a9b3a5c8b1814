#include "app/Main.h"

#include "app/frmMenu.h"
#include "platform/Random.h"
#include "records/Config.h"
#include "records/Ranking.h"
#include "ui/Center.h"

namespace app {

void Main(uint64_t seed) {
    glbSystem::Load_Rank();
    platform::Randomize(seed);
    glbSystem::Default_Config();
    ui::Show_Centered(Menu());
}

} // namespace app
