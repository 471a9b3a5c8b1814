#include "ui/MessageBox.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "platform/Platform.h"
#include "ui/Translate.h"

namespace ui {

using namespace platform;

namespace {

// Widens the box, when it must, so that the window manager's title bar shows the whole title
// beside its icon and buttons. Call once the box has its title and buttons.
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

} // namespace

int Show_Message_Box(const Text& prompt, const Text& title, int buttons) {
    QString text = Translated(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, Translated(title), text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    int firstAnswer = IDOK, secondAnswer = IDCANCEL;
    if (buttons == MB_YESNO) {
        first = box.addButton(QCoreApplication::translate("ui::MessageBox", "はい(&Y)"), QMessageBox::YesRole);
        second = box.addButton(QCoreApplication::translate("ui::MessageBox", "いいえ(&N)"), QMessageBox::NoRole);
        firstAnswer = IDYES;
        secondAnswer = IDNO;
    } else {
        first = box.addButton(QCoreApplication::translate("ui::MessageBox", "OK"), QMessageBox::AcceptRole);
        if (buttons == MB_OKCANCEL)
            second = box.addButton(QCoreApplication::translate("ui::MessageBox", "キャンセル"), QMessageBox::RejectRole);
    }
    box.setDefaultButton(first);
    box.setEscapeButton(second ? second : first);
    Fit_Title(box);
    box.exec();
    return box.clickedButton() == first ? firstAnswer : (second ? secondAnswer : firstAnswer);
}

} // namespace ui
