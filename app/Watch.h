#pragma once
// Watching a replay in the game window, which is then titled リプレイ and carries a small
// REPLAY mark in its corner. The replay plays the game with its own keys and answers; the
// viewer's keys only steer the watching: Ctrl pauses and resumes, V plays four times as fast
// while held, Esc or the window's close box stop.
#include <QObject>
#include <QPointer>
#include <string>

#include "platform/RelayHost.h"

class QLabel;

namespace glbMain {
class frmMain;
}

namespace app {

// The watching pace: a clock of the viewer's that stands still while paused and runs four
// times as fast while V is held, over the live host's.
class WatchHost : public platform::RelayHost {
public:
    static constexpr int kFast = 4;

    explicit WatchHost(platform::Host& live);
    bool Paused() const { return paused_; }
    bool Fast() const { return fast_; }
    bool Stopping() const { return stopping_; }
    void SetPaused(bool paused);
    void SetFast(bool fast);
    // The playback ends at the next event pass or wait, as a replay cut short does.
    void Stop() { stopping_ = true; }

    int32_t TimeMs() override;
    void DoEvents() override;
    void WaitUntil(int32_t deadlineMs) override;
    void IdleEvents() override;

private:
    void Advance();
    // Waits while paused; leaves the playback once it is to stop.
    void Hold();
    void Check() const;

    int32_t real_ = 0;  // the live clock when last read
    int32_t now_ = 0;   // the viewer's clock
    bool paused_ = false, fast_ = false, stopping_ = false;
};

// While it lives, the game window is a watching window: its title, its mark, its keys.
class ReplayWatch : public QObject {
    Q_OBJECT

public:
    explicit ReplayWatch(platform::Host& live);
    ~ReplayWatch() override;
    ReplayWatch(const ReplayWatch&) = delete;
    ReplayWatch& operator=(const ReplayWatch&) = delete;

    // The host to play the replay on.
    WatchHost& Host() { return host_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The watching keys, all in one place.
    void Key(int qtKey, bool down);
    void Dress(glbMain::frmMain& form);
    void Show_Mark();

    platform::Host& live_;
    WatchHost host_;
    QPointer<QLabel> mark_;
};

// Plays the replay at path in the game window and comes back when it is over, the player's
// ranking and settings as they were. A replay that cannot be read, or whose playback does not
// end as its end line says, shows a box saying so.
void Watch_Kept_Replay(const std::string& path);

} // namespace app
