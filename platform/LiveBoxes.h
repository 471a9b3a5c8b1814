#pragma once
// Message boxes sized for their title as well as their prompt.
class QMessageBox;

namespace platform {

// Widens the box, when it must, so that the window manager's title bar shows the whole title
// beside its icon and buttons. Call once the box has its title and buttons.
void Fit_Title(QMessageBox& box);

} // namespace platform
