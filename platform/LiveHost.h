#pragma once
// The host of a real run: Qt's event loop, a monotonic clock, the X server's key map.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <set>

#include "platform/Platform.h"

namespace platform {

class LiveEffects;
class LivePads;
class MediaPlayer;
class X11KeyMap;

// Whether a window of the game has the keyboard focus. Keys the game polls count only then
// (F12 apart).
bool GameHasFocus();
// Whether the key is down on the keyboard at this moment, whichever program has the focus;
// false where the window system does not tell.
bool KeyDownAnywhere(int vk);

class LiveHost : public QObject, public Host {
public:
    LiveHost();
    ~LiveHost() override;

    int32_t TimeMs() override;
    bool KeyHeld(int vk) override;
    int MessageBox(const std::string& prompt, const std::string& title, int buttons) override;
    void MediaCommand(const std::string& command) override;
    void MediaFileName(const std::string& fileName) override;
    void DoEvents() override;
    void WaitUntil(int32_t deadlineMs) override;
    void IdleEvents() override;
    void Beep() override;
    void SoundEffect(Effect effect) override;
    bool KeysSeenEverywhere() override;
    void PressOnce(int vk) override { pressedOnce_.insert(vk); }

    // Silences the music for runs that must not make a sound.
    void SetMediaPlayer(std::unique_ptr<MediaPlayer> player);
    // The sound effects, played while the player has them on.
    void SetEffects(std::unique_ptr<LiveEffects> effects);
    // Game controllers hold keys too.
    void SetPads(LivePads* pads) { pads_ = pads; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer clock_;
    QTimer wakeUp_;
    std::unique_ptr<MediaPlayer> media_;
    std::unique_ptr<LiveEffects> effects_;
    std::unique_ptr<X11KeyMap> x11_;
    LivePads* pads_ = nullptr;
    // Keys held according to this application's own key events: the fallback where the
    // window system offers no global key map (Wayland, offscreen).
    std::set<int> tracked_;
    std::set<int> pressedOnce_;
};

} // namespace platform
