#include "app/Center.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace glbSystem {

namespace {
// Top-level windows are centred with their frame, as the player sees them.
QSize OuterSize(QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QSize client = window->size();
    // Before the window is first shown there is no frame yet; use the client size.
    return frame.size().isValid() && frame.width() >= client.width() ? frame.size() : client;
}

QRect Span(QWidget* container) {
    if (container) return QRect(QPoint(0, 0), container->size());
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

int Position(double offset) { return static_cast<int>(std::lround(offset)); }
} // namespace

void Center_Horizontal(QWidget* object, QWidget* container) {
    const QRect span = Span(container);
    const int width = container ? object->width() : OuterSize(object).width();
    object->move(span.x() + Position(Center_Offset(span.width(), width)), object->pos().y());
}

void Center_Vertical(QWidget* object, QWidget* container) {
    const QRect span = Span(container);
    const int height = container ? object->height() : OuterSize(object).height();
    object->move(object->pos().x(), span.y() + Position(Center_Offset(span.height(), height)));
}

void Center_Object(QWidget* object, QWidget* container) {
    Center_Horizontal(object, container);
    Center_Vertical(object, container);
}

void Show_Centered(QWidget* window) {
    Center_Object(window);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace glbSystem
