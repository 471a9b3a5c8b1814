#pragma once
// Centring windows on the screen and controls inside their window.
class QWidget;

namespace ui {

// The position that centres an object of the given size on a span: (span - size) / 2 in
// double precision. An object larger than its span gets a negative position.
inline double Center_Offset(double span, double size) { return (span - size) / 2.0; }

// Centres a top-level window on the primary screen (without a container), or a control in
// its window's client area.
void Center_Object(QWidget* object, QWidget* container = nullptr);
void Center_Horizontal(QWidget* object, QWidget* container = nullptr);
void Center_Vertical(QWidget* object, QWidget* container = nullptr);
// Centres a window on the screen and shows it without blocking.
void Show_Centered(QWidget* window);

} // namespace ui
