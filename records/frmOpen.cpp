#include "records/Register.h"
#include "records/Windows.h"
#include "records/frmConfig.h"
#include "records/frmGetName.h"
#include "records/frmRank.h"
#include "ui/Center.h"

namespace glbSystem {

namespace {
// The rules ask for a name through this hook; the title menu, which runs them, links this file.
[[maybe_unused]] const bool nameDialogInstalled = (Show_GetName = &Open_GetName, true);
} // namespace

void Open_Rank(std::function<void()> onClosed) {
    auto* window = new frmRank();
    window->onClosed = std::move(onClosed);
    // The first reload runs before the window appears, so a repair message comes first.
    window->Update_Rank();
    ui::Show_Centered(window);
}

void Open_Config(std::function<void()> onClosed) {
    auto* window = new frmConfig();
    window->onClosed = std::move(onClosed);
    ui::Show_Centered(window);
}

} // namespace glbSystem
