#include "platform/LiveHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <ctime>

#include "platform/KeyMap.h"
#include "platform/LiveBoxes.h"
#include "platform/LivePads.h"
#include "platform/LiveSound.h"
#include "platform/MediaPlayer.h"
#include "platform/X11KeyMap.h"

namespace platform {

namespace {
void* XDisplay() {
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) return x11->display();
    return nullptr;
}
} // namespace

bool GameHasFocus() {
    // The X server knows at once; Qt learns of a focus that left only a moment later.
    if (const unsigned long focus = X11FocusWindow(XDisplay())) {
        for (const QWindow* window : QGuiApplication::allWindows())
            if (window->handle() && window->winId() == focus) return true;
        return false;
    }
    // Qt may go on naming a window it has hidden as the focus window.
    const QWindow* focus = QGuiApplication::focusWindow();
    return focus && focus->isVisible();
}

bool KeyDownAnywhere(int vk) {
    static const X11KeyMap keys(XDisplay());
    return keys.Held(vk);
}

LiveHost::LiveHost() {
    clock_.start();
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    x11_ = std::make_unique<X11KeyMap>(XDisplay());
    qApp->installEventFilter(this);
}

LiveHost::~LiveHost() {
    if (qApp) qApp->removeEventFilter(this);
}

int32_t LiveHost::TimeMs() { return static_cast<int32_t>(static_cast<uint32_t>(clock_.elapsed())); }

bool LiveHost::KeyHeld(int vk) {
    if (pressedOnce_.erase(vk)) return true;
    if (pads_ && pads_->Held(vk)) return true;
    const bool held = x11_->Valid() ? x11_->Held(vk) : tracked_.count(vk) != 0;
    // Keys typed into another program are not for the game; F12 is, as it is the way back
    // to a hidden game. The focus is asked last: most polls find their key up.
    return held && (vk == VK_F12 || GameHasFocus());
}

bool LiveHost::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            const int vk = VirtualKeyFromQt(key->key());
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

int LiveHost::MessageBox(const std::string& prompt, const std::string& title, int buttons) {
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    int firstAnswer = IDOK, secondAnswer = IDCANCEL;
    if (buttons == MB_YESNO) {
        first = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        second = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        firstAnswer = IDYES;
        secondAnswer = IDNO;
    } else {
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        if (buttons == MB_OKCANCEL) second = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    }
    box.setDefaultButton(first);
    // The close box and Esc answer with the box's negative button, or OK where OK is alone.
    box.setEscapeButton(second ? second : first);
    Fit_Title(box);
    box.exec();
    return box.clickedButton() == first ? firstAnswer : (second ? secondAnswer : firstAnswer);
}

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

void LiveHost::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

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
}

bool LiveHost::KeysSeenEverywhere() {
    // X11's key map is global on a real X server; under XWayland it goes quiet once another
    // program has the focus.
    return x11_->Valid() && qgetenv("XDG_SESSION_TYPE") != "wayland";
}

void LiveHost::Beep() { QApplication::beep(); }

} // namespace platform
