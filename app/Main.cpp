#include "app/Main.h"

#include "app/Watch.h"
#include "app/frmMenu.h"
#include "platform/Random.h"
#include "records/Config.h"
#include "records/Ranking.h"
#include "records/Windows.h"
#include "ui/Center.h"

namespace app {

void Main(uint64_t seed) {
    glbSystem::Load_Rank();
    platform::Randomize(seed);
    glbSystem::Default_Config();
    glbSystem::Show_Replay = &Watch_Kept_Replay;
    ui::Show_Centered(Menu());
}

} // namespace app
