#include "game/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/Keys.h"
#include "game/glbMain.h"
#include "input/KeyMap.h"
#include "input/PadKeys.h"
#include "platform/Platform.h"
#include "ui/Center.h"
#include "ui/Fonts.h"
#include "ui/Translate.h"
#include "ui/Window.h"

namespace glbMain {

frmMain::frmMain() {
    setWindowTitle(tr("ゲーム画面"));
    setWindowIcon(ui::Window_Icon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    input::Set_PadRole(this, input::PadRole::Game);

    lblPause = new QLabel(QStringLiteral("PAUSE"), this);
    lblPause->hide();
    Fit_Pause();
}

QRectF frmMain::Field_Rect() const { return FieldView::Placement(size(), devicePixelRatio()); }

void frmMain::Fit_Pause() {
    // The label grows with the field, as it would be part of it.
    const double scale = Field_Rect().width() / glbMain::FieldWidth;
    QFont font;
    font.setFamilies({QStringLiteral("Century"), QStringLiteral("Century Schoolbook L"), QStringLiteral("C059"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setPixelSize(static_cast<int>(std::lround(ui::Font_Pixels(14.25) * scale)));
    lblPause->setFont(font);
    lblPause->setStyleSheet(QStringLiteral("color: white; background-color: rgba(0, 0, 64, 200); padding: %1px %2px;")
                                .arg(std::lround(2 * scale))
                                .arg(std::lround(6 * scale)));
    lblPause->adjustSize();
    ui::Center_Object(lblPause, this);
}

void frmMain::Show_Frame(const draw::FrameImage& frame) { repaint(view_.Take(frame, size(), devicePixelRatio())); }

void frmMain::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    view_.Paint(painter, event->region(), size(), devicePixelRatio());
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Fit_Pause();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // F (or the player's key for it) switches full screen; the game itself has no use for the
    // key. Only the full-screen flag changes, so a maximised window comes back maximised.
    if (input::FullScreenKey(event->key())) {
        if (!event->isAutoRepeat()) setWindowState(windowState() ^ Qt::WindowFullScreen);
        event->accept();
        return;
    }
    const int vk = input::VirtualKeyFromQt(event->key());
    // A key held since before this window had the focus was pressed for something else: an
    // Enter held a moment too long on the menu repeats here, and must not hide the game it
    // started.
    if (heldAtFocus_.test(vk)) {
        event->accept();
        return;
    }
    if (vk) Form_KeyDown(vk);
    if (vk == platform::VK_ESCAPE) Form_KeyPress(27);
    event->accept();
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down events only; it is released once.
    if (!event->isAutoRepeat()) {
        const int vk = input::VirtualKeyFromQt(event->key());
        if (heldAtFocus_.test(vk)) {
            // Where the server repeats a key as release and press, only the key map tells
            // the last release.
            if (!platform::CurrentHost().KeyDownAnywhere(vk)) heldAtFocus_.reset(vk);
        } else if (vk) {
            Form_KeyUp(vk);
        }
    }
    event->accept();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The window stays until the game is over; closing it ends the game as Esc does.
    Form_QueryUnload();
    event->ignore();
}

void Resize_Client(QWidget* form, int width, int height) {
    // Qt sizes the client area itself; the borders stay whatever the window system makes them.
    form->setMinimumSize(width, height);
    form->resize(width, height);
}

void frmMain::changeEvent(QEvent* event) {
    // A game hidden by minimising comes back from the task bar: that counts as F12.
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && gameHidden)
        platform::CurrentHost().PressOnce(platform::VK_F12);
    const bool focusLost = (event->type() == QEvent::ActivationChange && !QApplication::activeWindow()) ||
                           (event->type() == QEvent::WindowStateChange && isMinimized());
    if (focusLost) {
        heldAtFocus_.reset();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        for (const int vk : {platform::VK_RETURN, platform::VK_CONTROL, platform::VK_ESCAPE, platform::VK_F7,
                             platform::VK_F8, platform::VK_F9, platform::VK_F10, platform::VK_F11})
            heldAtFocus_.set(vk, platform::CurrentHost().KeyDownAnywhere(vk));
    }
    QWidget::changeEvent(event);
}

void frmMain::Pause_For_Focus_Loss() {
    // Paused as by a Ctrl press, and sent as one: a replay in this window ignores it as it
    // ignores the keyboard, and a recording keeps it as the Ctrl it is.
    if (!Focus_LossPauses()) return;
    const int pause = input::QtKeyFromVirtual(platform::VK_CONTROL);
    QKeyEvent press(QEvent::KeyPress, pause, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, pause, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QCoreApplication::sendEvent(this, &release);
}

LiveGameWindow::~LiveGameWindow() { delete form_; }

void LiveGameWindow::Focus_Sampled(bool focus) {
    if (!form_) return;
    // A minimised window has lost the keyboard even where the window system names no other.
    focus = focus && !form_->isMinimized();
    // The keyboard went to another program (a box of our own taking it does not count): only a
    // window that had it can lose it, so a window not yet focused at its start never pauses.
    if (focus) hadFocus_ = true;
    else if (std::exchange(hadFocus_, false)) form_->Pause_For_Focus_Loss();
}

void LiveGameWindow::Load() {
    delete form_;
    form_ = new frmMain();
    hadFocus_ = false;
    captionScore_.reset();
    Resize_Client(form_, glbMain::FieldWidth, glbMain::FieldHeight);
    ui::Center_Object(form_);
    ui::Center_Object(form_->lblPause, form_);
    if (onLoad) onLoad(*form_);
}

void LiveGameWindow::Show() {
    if (gameFullScreen) {
        form_->showFullScreen();
        form_->activateWindow();
    } else {
        ui::Show_Centered(form_);
    }
    form_->setFocus();
}

void LiveGameWindow::SetVisible(bool visible) {
    if (!visible && !platform::CurrentHost().KeysSeenEverywhere()) {
        // F12 cannot be polled from here while the game is out of sight.
        form_->showMinimized();
        return;
    }
    if (!visible) {
        form_->hide();
        return;
    }
    // Back from the task bar as it was: full screen, maximised or not.
    form_->setWindowState(form_->windowState() & ~Qt::WindowMinimized);
    form_->show();
    form_->raise();
    form_->activateWindow();
    form_->setFocus();
}

void LiveGameWindow::Present(const draw::FrameImage& frame) { form_->Show_Frame(frame); }

void LiveGameWindow::SetPauseCaption(int32_t score) {
    if (captionScore_ == score) return;
    captionScore_ = score;
    form_->lblPause->setText(ui::Translated(kPauseCaption.Arg(score)));
    form_->lblPause->adjustSize();
    ui::Center_Object(form_->lblPause, form_);
}

void LiveGameWindow::SetPauseVisible(bool visible) {
    form_->lblPause->setVisible(visible);
    if (visible) form_->lblPause->raise();
    // At once, label and field alike: the frames repaint only what changes on the field.
    form_->repaint(form_->lblPause->geometry());
}

void LiveGameWindow::Unload() {
    // The next game opens as this one ended, full screen or not, however that came about.
    if (form_) gameFullScreen = form_->isFullScreen();
    delete form_;
    form_ = nullptr;
}

} // namespace glbMain
