#include "input/X11Keys.h"

#include <QChar>
#include <Qt>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "input/Bindings.h"
#include "input/KeyMap.h"
#include "platform/Platform.h"

namespace input {

using namespace platform;

KeySyms X11_KeySyms(int qtKey) {
    // Letters, digits and signs of Latin-1 are their own key symbols, the letters in small case.
    if ((qtKey >= 0x20 && qtKey <= 0x7e) || (qtKey >= 0xa0 && qtKey <= 0xff))
        return {QChar(qtKey).toLower().unicode(), 0};
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return {XK_F1 + static_cast<unsigned long>(qtKey - Qt::Key_F1), 0};
    static constexpr struct { int key; unsigned long main, twin; } kKeys[] = {
        {Qt::Key_Escape, XK_Escape, 0},       {Qt::Key_Tab, XK_Tab, 0},
        {Qt::Key_Backspace, XK_BackSpace, 0}, {Qt::Key_Return, XK_Return, XK_KP_Enter},
        {Qt::Key_Enter, XK_Return, XK_KP_Enter}, {Qt::Key_Insert, XK_Insert, 0},
        {Qt::Key_Delete, XK_Delete, 0},       {Qt::Key_Pause, XK_Pause, 0},
        {Qt::Key_Home, XK_Home, 0},           {Qt::Key_End, XK_End, 0},
        {Qt::Key_Left, XK_Left, 0},           {Qt::Key_Up, XK_Up, 0},
        {Qt::Key_Right, XK_Right, 0},         {Qt::Key_Down, XK_Down, 0},
        {Qt::Key_PageUp, XK_Prior, 0},        {Qt::Key_PageDown, XK_Next, 0},
        {Qt::Key_Shift, XK_Shift_L, XK_Shift_R}, {Qt::Key_Control, XK_Control_L, XK_Control_R},
        {Qt::Key_Alt, XK_Alt_L, XK_Alt_R},    {Qt::Key_Menu, XK_Menu, 0},
        {Qt::Key_Muhenkan, XK_Muhenkan, 0},   {Qt::Key_Henkan, XK_Henkan, 0},
    };
    for (const auto& k : kKeys)
        if (k.key == qtKey) return {k.main, k.twin};
    return {};
}

X11KeyMap::X11KeyMap(void* display) : display_(display) {}

void X11KeyMap::Map_Bindings() {
    auto* dpy = static_cast<Display*>(display_);
    keycodes_.fill(0);
    twins_.fill(0);
    const auto map = [&](int vk) {
        const KeySyms syms = X11_KeySyms(QtKeyFromVirtual(vk));
        if (syms.main) keycodes_[vk] = static_cast<unsigned char>(XKeysymToKeycode(dpy, syms.main));
        if (syms.twin) twins_[vk] = static_cast<unsigned char>(XKeysymToKeycode(dpy, syms.twin));
    };
    // The keys of every action the rules hear (full screen is the window's own), and the
    // debugging keys, which no one rebinds.
    for (int a = 0; a < kActionCount; ++a)
        if (const int vk = Action_VirtualKey(static_cast<Action>(a))) map(vk);
    for (int vk = VK_F7; vk <= VK_F11; ++vk) map(vk);
    version_ = Bindings_Version();
    mapped_ = true;
}

bool X11KeyMap::Held(int vk) {
    if (!display_ || vk < 0 || vk > 255) return false;
    if (!mapped_ || version_ != Bindings_Version()) Map_Bindings();
    if (keycodes_[vk] == 0) return false;
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
