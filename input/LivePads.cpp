#include "input/LivePads.h"

#include "input/PadKeys.h"
#include "platform/Platform.h"

namespace input {

namespace {
// With a controller in: the delay before a press reaches a menu, or Start the game. Without:
// how soon a newly plugged controller is found. The game's polls read the pads themselves.
constexpr int kPollMs = 16;
constexpr int kSearchMs = 250;
} // namespace

LivePads::LivePads() {
    pads_.onChange = [this](PadButton button, bool down) {
        // A press counts only while a window of the game has the focus, and its release goes
        // with it wherever the focus is by then: the two reach the game as a pair or not at all.
        if (down) heard_[button] = platform::CurrentHost().HasFocus();
        if (onButton && heard_[button]) onButton(button, down);
        if (!down) heard_[button] = false;
    };
    if (!pads_.Running()) return;
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(kSearchMs);
    Poll();
}

void LivePads::Poll() {
    pads_.Poll();
    const int interval = pads_.Connected() ? kPollMs : kSearchMs;
    if (timer_.interval() != interval) timer_.setInterval(interval);
}

bool LivePads::HeldNow(int vk) {
    if (!pads_.Running()) return false;
    Poll();
    for (int b = 0; b < PadButtonCount; ++b)
        if (PadGameKey(static_cast<PadButton>(b)) == vk && pads_.Held(static_cast<PadButton>(b))) return true;
    return false;
}

} // namespace input
