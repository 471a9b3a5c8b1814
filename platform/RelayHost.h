#pragma once
// A host that passes every call on to another: the base of hosts that change only a few of
// them (recording what a game asks, watching a replay at a pace of the viewer's choosing).
#include "platform/Platform.h"

namespace platform {

class RelayHost : public Host {
public:
    explicit RelayHost(Host& inner) : inner_(inner) {}

    int32_t TimeMs() override { return inner_.TimeMs(); }
    bool KeyHeld(int vk) override { return inner_.KeyHeld(vk); }
    int MessageBox(const Text& prompt, const Text& title, int buttons) override {
        return inner_.MessageBox(prompt, title, buttons);
    }
    void MediaCommand(const std::string& command) override { inner_.MediaCommand(command); }
    void MediaFileName(const std::string& fileName) override { inner_.MediaFileName(fileName); }
    void DoEvents() override { inner_.DoEvents(); }
    void WaitUntil(int32_t deadlineMs) override { inner_.WaitUntil(deadlineMs); }
    void IdleEvents() override { inner_.IdleEvents(); }
    void Beep() override { inner_.Beep(); }
    bool HasFocus() override { return inner_.HasFocus(); }
    bool KeyDownAnywhere(int vk) override { return inner_.KeyDownAnywhere(vk); }
    void SoundEffect(Effect effect) override { inner_.SoundEffect(effect); }
    bool KeysSeenEverywhere() override { return inner_.KeysSeenEverywhere(); }
    void PressOnce(int vk) override { inner_.PressOnce(vk); }
    double Today() override { return inner_.Today(); }
    std::string TimeOfDay() override { return inner_.TimeOfDay(); }

protected:
    Host& Inner() const { return inner_; }

private:
    Host& inner_;
};

} // namespace platform
