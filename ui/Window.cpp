#include "ui/Window.h"

#include <QCoreApplication>

#include "ui/Fonts.h"

namespace ui {

QIcon Window_Icon() {
    // One icon for every window: each new one would leave its pictures in Qt's pixmap cache
    // under a key of its own, a little more with every game. It goes with the application.
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon;
        icon->addFile(QStringLiteral(":/icon/icon16.png"), QSize(16, 16));
        icon->addFile(QStringLiteral(":/icon/icon32.png"), QSize(32, 32));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

void Setup_Window(QWidget* window, const QString& title) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFont(Gothic_Font());
}

QPushButton* Make_Button(QWidget* parent, const QString& caption, const QString& tip, const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
}

} // namespace ui
