#include "ui/Center.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace ui {

namespace {
// The borders the window manager put round the last window it framed. A new window has no
// frame until it is shown; it is placed as if it had the same, then placed again once the
// window manager has framed it. Without a window manager there is none.
QMargins g_frame;

QMargins Frame(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

// Top-level windows are centred with their frame, as the player sees them.
QSize OuterSize(const QWidget* window) {
    const QMargins frame = Frame(window);
    return window->size().grownBy(frame.isNull() ? g_frame : frame);
}

// Centres a window again when the window manager has framed it: the first move or resize
// that shows its borders, within a few seconds of showing it (later ones are the player's).
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window) {
        shown_.start();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Move && event->type() != QEvent::Resize) return false;
        auto* window = static_cast<QWidget*>(watched);
        if (shown_.hasExpired(5000)) {
            deleteLater();
            return false;
        }
        const QMargins frame = Frame(window);
        if (frame.isNull()) return false;
        g_frame = frame;
        if (!(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) Center_Object(window);
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    QElapsedTimer shown_;
};

// A control is centred in its window's client area; a window on the free part of its own
// screen, beside any panels.
QRect Span(const QWidget* object, const QWidget* container) {
    if (container) return QRect(QPoint(0, 0), container->size());
    const QScreen* screen = object->screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int Position(double offset) { return static_cast<int>(std::lround(offset)); }
} // namespace

void Center_Horizontal(QWidget* object, QWidget* container) {
    const QRect span = Span(object, container);
    const int width = container ? object->width() : OuterSize(object).width();
    object->move(span.x() + Position(Center_Offset(span.width(), width)), object->pos().y());
}

void Center_Vertical(QWidget* object, QWidget* container) {
    const QRect span = Span(object, container);
    const int height = container ? object->height() : OuterSize(object).height();
    object->move(object->pos().x(), span.y() + Position(Center_Offset(span.height(), height)));
}

void Center_Object(QWidget* object, QWidget* container) {
    Center_Horizontal(object, container);
    Center_Vertical(object, container);
}

void Show_Centered(QWidget* window) {
    Center_Object(window);
    if (Frame(window).isNull()) new FrameWatch(window);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
