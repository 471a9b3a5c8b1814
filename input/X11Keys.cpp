#include "input/X11Keys.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "platform/Platform.h"

namespace input {

using namespace platform;

X11KeyMap::X11KeyMap(void* display) : display_(display) {
    if (!display_) return;
    auto* dpy = static_cast<Display*>(display_);
    const struct { int vk; KeySym sym; } keys[] = {
        {VK_RETURN, XK_Return}, {VK_CONTROL, XK_Control_L}, {VK_ESCAPE, XK_Escape},
        {VK_SPACE, XK_space},   {VK_LEFT, XK_Left},         {VK_UP, XK_Up},
        {VK_RIGHT, XK_Right},   {VK_DOWN, XK_Down},         {VK_DELETE, XK_Delete},
        {VK_V, XK_v},           {VK_F7, XK_F7},             {VK_F8, XK_F8},
        {VK_F9, XK_F9},         {VK_F10, XK_F10},           {VK_F11, XK_F11},
        {VK_F12, XK_F12},
    };
    for (const auto& k : keys) keycodes_[k.vk] = static_cast<unsigned char>(XKeysymToKeycode(dpy, k.sym));
    // Either Ctrl key counts, and the keypad's Enter is Enter, as in the windows' key events.
    twins_[VK_CONTROL] = static_cast<unsigned char>(XKeysymToKeycode(dpy, XK_Control_R));
    twins_[VK_RETURN] = static_cast<unsigned char>(XKeysymToKeycode(dpy, XK_KP_Enter));
}

bool X11KeyMap::Held(int vk) const {
    if (!display_ || vk < 0 || vk > 255 || keycodes_[vk] == 0) return false;
    char map[32];
    XQueryKeymap(static_cast<Display*>(display_), map);
    const auto down = [&map](int code) { return code != 0 && ((map[code / 8] >> (code % 8)) & 1); };
    return down(keycodes_[vk]) || down(twins_[vk]);
}

X11Focus X11FocusWindow(void* display) {
    if (!display) return {};
    Window focus = None;
    int revert = 0;
    XGetInputFocus(static_cast<Display*>(display), &focus, &revert);
    if (focus == PointerRoot) return {};
    return {true, focus};
}

} // namespace input
