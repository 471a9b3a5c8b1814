#pragma once
// Game controllers in a live run: another way of holding the game's keys. The polled keys see
// them through LiveHost; the rest (Start, and the menus and boxes) hears them as key presses.
#include <QObject>
#include <QTimer>
#include <bitset>
#include <functional>

#include "input/SdlGamepads.h"

namespace input {

class LivePads : public QObject {
public:
    LivePads();

    // Reads the controllers, then tells whether one holds the game key vk, whichever window has
    // the focus: a button pressed just before a poll counts in that pass.
    bool HeldNow(int vk);
    // Hears each button going down or up while the game has the focus. It runs inside a poll,
    // which may come in the middle of a pass: it must post what it does, never act at once.
    std::function<void(PadButton button, bool down)> onButton;

    SdlGamepads& Pads() { return pads_; }

private:
    void Poll();

    SdlGamepads pads_;
    QTimer timer_;
    std::bitset<PadButtonCount> heard_;  // pressed while the game had the focus, not released yet
};

} // namespace input
