#include "input/Focus.h"

#include <QGuiApplication>
#include <QWindow>

#include "input/X11Keys.h"

namespace input {

bool Game_Has_Focus(void* display) {
    // The X server knows at once; Qt learns of a focus that left only a moment later.
    if (const X11Focus focus = X11FocusWindow(display); focus.known) {
        for (const QWindow* window : QGuiApplication::allWindows())
            if (focus.window && window->handle() && window->winId() == focus.window) return true;
        return false;
    }
    // Qt may go on naming a window it has hidden as the focus window.
    const QWindow* focus = QGuiApplication::focusWindow();
    return focus && focus->isVisible();
}

} // namespace input
