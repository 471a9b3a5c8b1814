#pragma once
// The host of a real run, put together from the live parts: Qt's event loop, a monotonic
// clock, the keyboard and controllers, the windows' message boxes and the music player.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <set>

#include "platform/Platform.h"

namespace input {
class LivePads;
class X11KeyMap;
}
namespace platform {
class LiveEffects;
class MediaPlayer;
}

namespace app {

class LiveHost : public QObject, public platform::Host {
public:
    LiveHost();
    ~LiveHost() override;

    int32_t TimeMs() override;
    bool KeyHeld(int vk) override;
    int MessageBox(const platform::Text& prompt, const platform::Text& title, int buttons) override;
    void MediaCommand(const std::string& command) override;
    void MediaFileName(const std::string& fileName) override;
    void DoEvents() override;
    void WaitUntil(int32_t deadlineMs) override;
    void IdleEvents() override;
    void Beep() override;
    bool HasFocus() override;
    bool KeyDownAnywhere(int vk) override;
    void SoundEffect(platform::Effect effect) override;
    bool KeysSeenEverywhere() override;
    void PressOnce(int vk) override { pressedOnce_.insert(vk); }

    // Silences the music for runs that must not make a sound.
    void SetMediaPlayer(std::unique_ptr<platform::MediaPlayer> player);
    // The sound effects, played while the player has them on.
    void SetEffects(std::unique_ptr<platform::LiveEffects> effects);
    // Game controllers hold keys too.
    void SetPads(input::LivePads* pads) { pads_ = pads; }
    // Hears the focus once per pass, at the event pass between two passes (and after each wait
    // of the pause hold): the same moment the polled keys take it from for the next pass.
    std::function<void(bool focus)> onFocusSampled;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer clock_;
    QTimer wakeUp_;
    std::unique_ptr<platform::MediaPlayer> media_;
    std::unique_ptr<platform::LiveEffects> effects_;
    std::unique_ptr<input::X11KeyMap> x11_;
    input::LivePads* pads_ = nullptr;
    // Keys held according to this application's own key events: the fallback where the
    // window system offers no global key map (Wayland, offscreen).
    std::set<int> tracked_;
    std::set<int> pressedOnce_;
    bool focus_ = false;

    void SampleFocus();
};

} // namespace app
