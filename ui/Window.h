#pragma once
// What every window of the program shares: its icon, the set-up of a window that lives while
// it is open, and how its buttons are made.
#include <QIcon>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

namespace ui {

// The game's icon with its 16 x 16 and 32 x 32 images, for the title bar and the task bar.
QIcon Window_Icon();

// A dialog window that is deleted when it closes, with a close box and the gothic face.
void Setup_Window(QWidget* window, const QString& title);

QPushButton* Make_Button(QWidget* parent, const QString& caption, const QString& tip, const QRect& place);

} // namespace ui
