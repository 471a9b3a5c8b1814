#pragma once
// Reads the X server's key map, so held keys are seen whichever window has the focus and
// while the game window is hidden (F12 brings it back); and who has the keyboard focus.
#include <array>

namespace input {

class X11KeyMap {
public:
    // display is the application's Xlib Display*; nullptr gives an empty map.
    explicit X11KeyMap(void* display);
    bool Valid() const { return display_ != nullptr; }
    bool Held(int vk) const;

private:
    void* display_;
    std::array<unsigned char, 256> keycodes_{}; // by virtual key; 0 = not mapped
    std::array<unsigned char, 256> twins_{};    // a second key that counts the same, as right Ctrl
};

// Who has the X server's keyboard focus this moment, as the server sees it.
struct X11Focus {
    bool known = false;        // false without a display, or where the focus follows the pointer
    unsigned long window = 0;  // 0: no window has it
};
X11Focus X11FocusWindow(void* display);

} // namespace input
