#pragma once
// Reads the X server's key map, so held keys are seen whichever window has the focus and
// while the game window is hidden (F12 brings it back); and who has the keyboard focus.
#include <array>

namespace input {

// The X key symbols of a Qt key, worked out without a server: the key's own and a twin that
// counts the same (the right Ctrl or Shift, the keypad's Enter); main is 0 for a key the key
// map cannot watch.
struct KeySyms {
    unsigned long main = 0, twin = 0;
};
KeySyms X11_KeySyms(int qtKey);

class X11KeyMap {
public:
    // display is the application's Xlib Display*; nullptr gives an empty map.
    explicit X11KeyMap(void* display);
    bool Valid() const { return display_ != nullptr; }
    // Whether the key that the action vk is bound to is held (the debugging keys are fixed).
    bool Held(int vk);

private:
    // The key codes of the bound keys, looked up again whenever the player rebinds.
    void Map_Bindings();

    void* display_;
    bool mapped_ = false;
    unsigned version_ = 0;
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
