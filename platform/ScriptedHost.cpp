#include "platform/ScriptedHost.h"

#include <algorithm>

namespace platform {

bool ScriptedHost::KeyHeld(int vk) {
    auto once = std::find(pressedOnce.begin(), pressedOnce.end(), vk);
    if (once != pressedOnce.end()) {
        pressedOnce.erase(once);
        return true;
    }
    return std::find(heldKeys.begin(), heldKeys.end(), vk) != heldKeys.end();
}

// The held keys are down on the keyboard, wherever the focus is.
bool ScriptedHost::KeyDownAnywhere(int vk) {
    return std::find(heldKeys.begin(), heldKeys.end(), vk) != heldKeys.end();
}

void ScriptedHost::Hold(int vk, bool held) {
    auto it = std::find(heldKeys.begin(), heldKeys.end(), vk);
    if (held && it == heldKeys.end()) heldKeys.push_back(vk);
    if (!held && it != heldKeys.end()) heldKeys.erase(it);
}

int ScriptedHost::MessageBox(const Text& prompt, const Text& title, int buttons) {
    ShownBox box{title.Japanese(), prompt.Japanese(), buttons, 0};
    if (!answers.empty()) {
        box.answer = answers.front();
        answers.pop_front();
    } else {
        box.answer = buttons == MB_YESNO ? IDYES : IDOK;
    }
    if (onBox) onBox(box);
    boxes.push_back(box);
    return box.answer;
}

void ScriptedHost::DoEvents() {
    ++doEventsCalls;
    if (onEvents) onEvents();
}

void ScriptedHost::WaitUntil(int32_t deadlineMs) {
    if (ClockDiff(deadlineMs, clock) > 0) clock = deadlineMs;
    DoEvents();
}

void ScriptedHost::IdleEvents() { DoEvents(); }

} // namespace platform
