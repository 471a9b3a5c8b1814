#include "platform/LiveHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "platform/KeyMap.h"
#include "platform/MediaPlayer.h"
#include "platform/X11KeyMap.h"

namespace platform {

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
    x11_ = std::make_unique<X11KeyMap>(XDisplay());
    qApp->installEventFilter(this);
}

LiveHost::~LiveHost() {
    if (qApp) qApp->removeEventFilter(this);
}

int32_t LiveHost::TimeMs() { return static_cast<int32_t>(static_cast<uint32_t>(clock_.elapsed())); }

bool LiveHost::KeyHeld(int vk) {
    if (x11_->Valid()) return x11_->Held(vk);
    return tracked_.count(vk) != 0;
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

void LiveHost::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void LiveHost::WaitUntil(int32_t deadlineMs) {
    const int32_t left = ClockDiff(deadlineMs, TimeMs());
    if (left <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // Sleep in the event loop: an event or the timer at the deadline wakes us.
    wakeUp_.start(left);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wakeUp_.stop();
}

void LiveHost::IdleEvents() {
    // A paused game still polls F12 and keeps the music looping, so wake every few milliseconds.
    wakeUp_.start(10);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wakeUp_.stop();
}

void LiveHost::Beep() { QApplication::beep(); }

} // namespace platform
