#include "ui/Translate.h"

#include <QCoreApplication>

namespace ui {

QString Translated(const platform::Text& text) {
    if (!text.Context()) return QString::fromStdString(text.Source());
    const QString pattern = QCoreApplication::translate(text.Context(), text.Source().c_str());
    return QString::fromStdString(text.Fill(pattern.toStdString()));
}

} // namespace ui
