#pragma once
// What the records windows share: how they are set up and how their buttons are made.
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "records/frmFonts.h"

namespace glbSystem {

// A window that lives while it is open, with a close box and the gothic face.
inline void Setup_RecordsWindow(QWidget* window, const QString& title) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFont(Gothic_Font());
}

inline QPushButton* Make_Button(QWidget* parent, const QString& caption, const QString& tip, const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
}

} // namespace glbSystem
