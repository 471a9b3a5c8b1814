// The live message boxes: no icon, Japanese buttons, and a box closed without a button
// (its close box or Esc) answers with its Cancel or No button, or OK where OK is alone.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/LiveHost.h"

using namespace app;
using namespace platform;

namespace {

// Shows a box and lets `act` deal with it once it is open; returns the answer. The box is
// looked for until it shows, and whatever happens to the checks, it is answered: a test that
// fails never leaves a box waiting for the suite's time-out.
int Answer(int buttons, const std::function<void(QMessageBox*)>& act, QStringList* captions = nullptr) {
    LiveHost host;
    QMessageBox::Icon icon = QMessageBox::Information;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        watch.stop();
        icon = box->icon();
        if (captions)
            for (QAbstractButton* b : box->buttons()) *captions << b->text();
        act(box);
    });
    watch.start(0);
    const int answer = host.MessageBox(Text::Verbatim("本当に初期化しますか？\r\n"), Text::Verbatim("再確認"), buttons);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    return answer;
}

void CloseBox(QMessageBox* box) { box->close(); }
void PressEsc(QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }
void PressEnter(QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }

} // namespace

TEST(MessageBoxTest, ClosingAnswersTheNegativeButtonOrOk) {
    for (auto act : {CloseBox, PressEsc}) {
        EXPECT_EQ(Answer(MB_OK, act), IDOK);
        EXPECT_EQ(Answer(MB_OKCANCEL, act), IDCANCEL);
        EXPECT_EQ(Answer(MB_YESNO, act), IDNO);
    }
}

TEST(MessageBoxTest, EnterTakesTheFirstButton) {
    EXPECT_EQ(Answer(MB_OK, PressEnter), IDOK);
    EXPECT_EQ(Answer(MB_OKCANCEL, PressEnter), IDOK);
    EXPECT_EQ(Answer(MB_YESNO, PressEnter), IDYES);
}

TEST(MessageBoxTest, ButtonsSpeakJapanese) {
    QStringList yesNo, okCancel;
    Answer(MB_YESNO, CloseBox, &yesNo);
    Answer(MB_OKCANCEL, CloseBox, &okCancel);
    EXPECT_TRUE(yesNo.contains(QStringLiteral("はい(&Y)")));
    EXPECT_TRUE(yesNo.contains(QStringLiteral("いいえ(&N)")));
    EXPECT_TRUE(okCancel.contains(QStringLiteral("OK")));
    EXPECT_TRUE(okCancel.contains(QStringLiteral("キャンセル")));
}
