#include "ui/Window.h"

#include "ui/Fonts.h"

namespace ui {

QIcon Window_Icon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icon/icon32.png"), QSize(32, 32));
    return icon;
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
