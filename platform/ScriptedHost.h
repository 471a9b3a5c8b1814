#pragma once
// A host driven by a script: a clock the caller advances, keys the caller holds, message
// boxes answered from a queue. Tests and headless replays run the real rules on it.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

struct ShownBox {
    std::string title;
    std::string prompt;
    int buttons = 0;
    int answer = 0;
};

class ScriptedHost : public Host {
public:
    int32_t TimeMs() override { return clock; }
    bool KeyHeld(int vk) override;
    int MessageBox(const Text& prompt, const Text& title, int buttons) override;
    void MediaCommand(const std::string& command) override { media.push_back(command); }
    void MediaFileName(const std::string& fileName) override { media.push_back("FileName=" + fileName); }
    void DoEvents() override;
    void WaitUntil(int32_t deadlineMs) override;
    void IdleEvents() override;
    void Beep() override { ++beeps; }
    void SoundEffect(Effect effect) override { ++effects[static_cast<int>(effect)]; }
    double Today() override { return today; }
    std::string TimeOfDay() override { return timeOfDay; }

    bool HasFocus() override { return focused; }
    bool KeyDownAnywhere(int vk) override;
    bool KeysSeenEverywhere() override { return globalKeys; }
    void PressOnce(int vk) override { pressedOnce.push_back(vk); }

    void Hold(int vk, bool held = true);
    void ReleaseAll() { heldKeys.clear(); }

    int32_t clock = 0;
    std::vector<int> heldKeys;
    std::vector<int> pressedOnce;
    bool globalKeys = true;
    bool focused = true;
    std::vector<ShownBox> boxes;
    // Answers for the next boxes, in order; when empty a box takes its first button
    // (OK, or Yes for a Yes/No box).
    std::deque<int> answers;
    std::vector<std::string> media;
    int beeps = 0;
    std::array<int, kEffectCount> effects{};  // how often each was asked for
    int doEventsCalls = 0;
    double today = 46000;
    std::string timeOfDay = "12:34:56";
    // Called whenever the rules let the windows handle events; a test delivers key events here.
    std::function<void()> onEvents;
    // Called for every box before it is answered, e.g. to check what it says.
    std::function<void(const ShownBox&)> onBox;
};

} // namespace platform
