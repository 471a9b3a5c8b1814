#include "app/LiveHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <ctime>

#include "input/Focus.h"
#include "input/KeyMap.h"
#include "input/LivePads.h"
#include "input/X11Keys.h"
#include "platform/LiveSound.h"
#include "platform/MediaPlayer.h"
#include "ui/MessageBox.h"

namespace app {

using namespace platform;

namespace {
void* XDisplay() {
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) return x11->display();
    return nullptr;
}
} // namespace

LiveHost::LiveHost() {
    clock_.start();
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    x11_ = std::make_unique<input::X11KeyMap>(XDisplay());
    qApp->installEventFilter(this);
}

LiveHost::~LiveHost() {
    if (qApp) qApp->removeEventFilter(this);
}

int32_t LiveHost::TimeMs() { return static_cast<int32_t>(static_cast<uint32_t>(clock_.elapsed())); }

bool LiveHost::KeyHeld(int vk) {
    if (pressedOnce_.erase(vk)) return true;
    const bool held = (pads_ && pads_->HeldNow(vk)) || (x11_->Valid() ? x11_->Held(vk) : tracked_.count(vk) != 0);
    // Keys typed into another program, or buttons pressed while it has the focus, are not for
    // the game; F12 is, as it is the way back to a hidden game. The focus is the one seen at
    // the last event pass, the one the pause follows too: the two never disagree for a pass.
    return held && (vk == VK_F12 || focus_);
}

bool LiveHost::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            const int vk = input::VirtualKeyFromQt(key->key());
            if (vk && event->type() == QEvent::KeyPress) tracked_.insert(vk);
            if (vk && event->type() == QEvent::KeyRelease) tracked_.erase(vk);
        }
        break;
    }
    case QEvent::ApplicationDeactivate:
        // Releases that happen elsewhere never reach us; forget every key rather than hold one forever.
        tracked_.clear();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

int LiveHost::MessageBox(const platform::Text& prompt, const platform::Text& title, int buttons) {
    return ui::Show_Message_Box(prompt, title, buttons);
}

bool LiveHost::HasFocus() { return input::Game_Has_Focus(XDisplay()); }

bool LiveHost::KeyDownAnywhere(int vk) { return x11_->Held(vk); }

void LiveHost::MediaCommand(const std::string& command) {
    if (media_) media_->Command(command);
}

void LiveHost::MediaFileName(const std::string& fileName) {
    if (media_) media_->SetFileName(fileName);
}

void LiveHost::SetMediaPlayer(std::unique_ptr<MediaPlayer> player) { media_ = std::move(player); }

void LiveHost::SoundEffect(Effect effect) {
    if (effects_) effects_->Play(effect);
}

void LiveHost::SetEffects(std::unique_ptr<LiveEffects> effects) { effects_ = std::move(effects); }

void LiveHost::SampleFocus() {
    focus_ = HasFocus();
    if (onFocusSampled) onFocusSampled(focus_);
}

void LiveHost::DoEvents() {
    SampleFocus();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void LiveHost::WaitUntil(int32_t deadlineMs) {
    // The deadline is a whole millisecond of the clock; aim at its very start, so that a
    // 25 ms frame lasts 25 ms and not up to one more.
    const qint64 nanos = clock_.nsecsElapsed();
    const qint64 left = static_cast<qint64>(ClockDiff(deadlineMs, static_cast<int32_t>(nanos / 1000000))) * 1000000 -
                        nanos % 1000000;
    if (left <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else if (left < 1000000) {
        // Less than the timer's resolution: sleep the rest, then handle what came meanwhile.
        const timespec rest{0, static_cast<long>(left)};
        nanosleep(&rest, nullptr);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else {
        // Sleep in the event loop: an event or the timer wakes us.
        wakeUp_.start(static_cast<int>(left / 1000000));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        wakeUp_.stop();
    }
}

void LiveHost::IdleEvents() {
    // A paused game still polls F12 and keeps the music looping, so wake every few milliseconds.
    wakeUp_.start(10);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wakeUp_.stop();
    // The hold ends with a key of the game window: the next pass sees the focus it came with.
    SampleFocus();
}

bool LiveHost::KeysSeenEverywhere() {
    // X11's key map is global on a real X server; under XWayland it goes quiet once another
    // program has the focus.
    return x11_->Valid() && qgetenv("XDG_SESSION_TYPE") != "wayland";
}

void LiveHost::Beep() { QApplication::beep(); }

} // namespace app
