#include "input/PadKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <array>
#include <cstdlib>

#include "platform/Platform.h"

namespace input {

using namespace platform;

namespace {

constexpr const char* kRoleProperty = "ponigariPadRole";

PadRole Role(const QWidget* window) {
    const QVariant role = window->property(kRoleProperty);
    return role.isValid() ? static_cast<PadRole>(role.toInt()) : PadRole::Buttons;
}

// Where the keyboard's keys go.
QWidget* Key_Target() {
    QWindow* window = QGuiApplication::focusWindow();
    return window ? qobject_cast<QWidget*>(window->focusObject()) : nullptr;
}

void Post_Key(QWidget* target, int key, bool down) {
    QCoreApplication::postEvent(target, new QKeyEvent(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier));
}

// The nearest button of the window that way, a step across counting double a step along.
void Move_Focus(QWidget* window, QWidget* from, PadButton way) {
    const QPoint origin = from->mapTo(window, from->rect().center());
    QAbstractButton* best = nullptr;
    int bestCost = 0;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button == from || !button->isVisible() || !button->isEnabled() || !(button->focusPolicy() & Qt::TabFocus))
            continue;
        const QPoint d = button->mapTo(window, button->rect().center()) - origin;
        const bool sideways = way == PadLeft || way == PadRight;
        const int along = (way == PadLeft || way == PadUp ? -1 : 1) * (sideways ? d.x() : d.y());
        const int cost = along + 2 * std::abs(sideways ? d.y() : d.x());
        if (along > 0 && (!best || cost < bestCost)) {
            best = button;
            bestCost = cost;
        }
    }
    if (best) best->setFocus(Qt::TabFocusReason);
}

} // namespace

int PadGameKey(PadButton button) {
    static constexpr int keys[PadButtonCount] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_SPACE, 0, VK_V, VK_CONTROL, VK_F12};
    return button >= 0 && button < PadButtonCount ? keys[button] : 0;
}

void Set_PadRole(QWidget* window, PadRole role) { window->setProperty(kRoleProperty, static_cast<int>(role)); }

void Route_PadButton(PadButton button, bool down) {
    // A release goes where its press went, so that the window hears the pair even when the
    // focus moved in between (a window that is gone hears neither again).
    static std::array<QPointer<QWidget>, PadButtonCount> pressedOn;
    QWidget* focus = down ? Key_Target() : pressedOn[button].data();
    pressedOn[button] = down ? focus : nullptr;
    if (!focus) return;
    QWidget* window = focus->window();
    switch (Role(window)) {
    case PadRole::Game:
        if (button == PadStart) Post_Key(focus, Qt::Key_Control, down);
        return;
    case PadRole::Keyboard: return;
    case PadRole::Buttons: break;
    }
    switch (button) {
    case PadA: Post_Key(focus, Qt::Key_Space, down); break;
    case PadB: Post_Key(focus, Qt::Key_Escape, down); break;
    case PadLeft:
    case PadUp:
    case PadRight:
    case PadDown:
        // After the poll, as every other key: the focus may be taken by then.
        if (down)
            QTimer::singleShot(0, window, [button] {
                if (QWidget* from = Key_Target()) Move_Focus(from->window(), from, button);
            });
        break;
    default: break;
    }
}

} // namespace input
