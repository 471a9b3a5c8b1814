#include "platform/LiveBoxes.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace platform {

void Fit_Title(QMessageBox& box) {
    // The window manager draws the title in a face of its own, sized in points for the
    // desktop's dpi. The platform theme's title face stands in for it (a KDE desktop reports
    // its own; elsewhere Qt gives a 12 pt face, larger than title bars commonly use), bold as
    // title bars commonly are.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    // Beside the title, the bar holds an icon and three buttons with their spacing: about six
    // times the face's height on common themes.
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height();
    // The box takes its width from its layout: a spacer across its foot sets the least.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

} // namespace platform
