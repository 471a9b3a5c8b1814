#include "input/PadKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <array>
#include <cstdlib>

#include "input/Bindings.h"
#include "input/KeyMap.h"
#include "platform/Platform.h"

namespace input {

using namespace platform;

namespace {

constexpr const char* kRoleProperty = "ponigariPadRole";

std::function<void(PadButton button)> g_catcher;

uint32_t Bit(PadButton button) { return 1u << button; }

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
    static constexpr int arrows[] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
    if (button < 0 || button >= PadButtonCount) return 0;
    if (button <= PadDown) return arrows[button];
    const Action action = Buttons_Holder(Current_Bindings(), Bit(button), Action::Count);
    return action == Action::Count ? 0 : Action_VirtualKey(action);
}

void Catch_PadButtons(std::function<void(PadButton button)> catcher) { g_catcher = std::move(catcher); }

void Set_PadRole(QWidget* window, PadRole role) { window->setProperty(kRoleProperty, static_cast<int>(role)); }

void Route_PadButton(PadButton button, bool down) {
    // A release goes where its press went, so that the window hears the pair even when the
    // focus moved in between (a window that is gone hears neither again).
    static std::array<QPointer<QWidget>, PadButtonCount> pressedOn;
    QWidget* focus = down ? Key_Target() : pressedOn[button].data();
    if (down && g_catcher && Button_Bindable(button)) {
        // The button is the answer, and its release belongs to no window.
        QTimer::singleShot(0, qApp, [button] {
            if (g_catcher) g_catcher(button);
        });
        focus = nullptr;
    }
    pressedOn[button] = down ? focus : nullptr;
    if (!focus) return;
    QWidget* window = focus->window();
    switch (Role(window)) {
    case PadRole::Game: {
        // Pause and hide are key presses the game hears between passes, as from the keyboard.
        const int vk = PadGameKey(button);
        if (vk == VK_CONTROL || vk == VK_RETURN) Post_Key(focus, QtKeyFromVirtual(vk), down);
        return;
    }
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
