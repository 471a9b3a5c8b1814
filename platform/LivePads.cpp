#include "platform/LivePads.h"

#include "platform/LiveHost.h"
#include "platform/Platform.h"

namespace platform {

namespace {
// With a controller in: the delay before a press reaches a menu, or Start the game. Without:
// how soon a newly plugged controller is found. The game's polls read the pads themselves.
constexpr int kPollMs = 16;
constexpr int kSearchMs = 250;
} // namespace

LivePads::LivePads() {
    pads_.onChange = [this](PadButton button, bool down) {
        if (onButton && GameHasFocus()) onButton(button, down);
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

bool LivePads::Held(int vk) {
    if (!pads_.Running()) return false;
    // Read right at the poll: a button pressed just before it counts in this pass.
    Poll();
    bool held = false;
    for (int b = 0; b < PadButtonCount && !held; ++b)
        held = PadGameKey(static_cast<PadButton>(b)) == vk && pads_.Held(static_cast<PadButton>(b));
    // A hidden game has no window to hold the focus; Back alone, as F12, brings it back. The
    // focus is asked last, as it costs a round trip to the X server.
    return held && (vk == VK_F12 || GameHasFocus());
}

} // namespace platform
