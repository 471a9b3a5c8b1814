#include "app/Center.h"
#include "records/Register.h"
#include "records/Windows.h"
#include "records/frmConfig.h"
#include "records/frmGetName.h"
#include "records/frmRank.h"

namespace glbSystem {

namespace {
// The rules ask for a name through this hook; the title menu, which runs them, links this file.
[[maybe_unused]] const bool nameDialogInstalled = (Show_GetName = &Open_GetName, true);
} // namespace

void Open_Rank() {
    auto* window = new frmRank();
    // The first reload runs before the window appears, so a repair message comes first.
    window->Update_Rank();
    Show_Centered(window);
}

void Open_Config() { Show_Centered(new frmConfig()); }

} // namespace glbSystem
