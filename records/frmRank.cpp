#include "records/frmRank.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <iterator>

#include "platform/Platform.h"
#include "records/Ranking.h"
#include "records/ReplayLinks.h"
#include "records/Windows.h"
#include "ui/Fonts.h"
#include "ui/Window.h"

namespace glbSystem {

using namespace platform;

namespace {

QPointer<frmRank> g_open;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Column lefts and widths, in pixels.
constexpr int kTitleX = 8, kTitleW = 64;
constexpr int kNameX = 76, kNameW = 156;
constexpr int kScoreX = 236, kScoreW = 60;
constexpr int kModeX = 300, kModeW = 52;
constexpr int kClearX = 356, kClearW = 44;
constexpr int kDateX = 404, kDateW = 84;
constexpr int kTimeX = 492, kTimeW = 64;
constexpr int kRowH = 22;
constexpr int kButtonH = 27;
// The rows top to bottom, as the arrow keys walk them.
constexpr int kShownOrder[] = {1, 2, 3, 4, 5, 0};
// The picked row's mark: a pale band with a frame, behind its labels.
const QColor kPickFill(222, 234, 255);
const QColor kPickFrame(90, 130, 210);

// Places 1 to 5 from the top, then, after a gap, row 0.
int RowTop(int row) { return row == 0 ? 32 + 5 * kRowH + 10 : 32 + (row - 1) * kRowH; }

// Labels change only when they must: every change repaints, and every repaint reloads the file.
void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void SetColor(QLabel* label, const QColor& color) {
    if (label->palette().color(QPalette::WindowText) == color) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void SetAlignment(QLabel* label, Qt::Alignment horizontal) {
    const Qt::Alignment alignment = horizontal | Qt::AlignVCenter;
    if (label->alignment() != alignment) label->setAlignment(alignment);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int w, const QFont& font,
                  Qt::Alignment horizontal = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w, kRowH - 2);
    label->setFont(font);
    label->setAlignment(horizontal | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmRank* Rank_Window() { return g_open; }

frmRank::frmRank() {
    g_open = this;
    ui::Setup_Window(this, tr("ランキング"));
    // The リプレイ button has a row of its own under the others.
    setFixedSize(kTimeX + kTimeW + 8, RowTop(0) + kRowH + 46 + kButtonH + 8);

    const QFont gothic = ui::Gothic_Font();
    const QFont century = ui::Century_Font();
    QLabel** titles[] = {&lblPariah, &lbl1st, &lbl2nd, &lbl3rd, &lbl4th, &lbl5th};
    const char* titleTexts[] = {QT_TR_NOOP("最下層民"), QT_TR_NOOP("1st"), QT_TR_NOOP("2nd"),
                                QT_TR_NOOP("3rd"),     QT_TR_NOOP("4th"), QT_TR_NOOP("5th")};
    for (int i = 0; i < 6; ++i) *titles[i] = MakeLabel(this, tr(titleTexts[i]), kTitleX, RowTop(i), kTitleW, gothic);

    lblName_ = MakeLabel(this, tr("Name"), kNameX, 8, kNameW, century, Qt::AlignHCenter);
    lblScore_ = MakeLabel(this, tr("Score"), kScoreX, 8, kScoreW, century, Qt::AlignHCenter);
    lblMode_ = MakeLabel(this, tr("Mode"), kModeX, 8, kModeW, century, Qt::AlignHCenter);
    lblClear_ = MakeLabel(this, tr("Clear"), kClearX, 8, kClearW, century, Qt::AlignHCenter);
    lblDate_ = MakeLabel(this, tr("Date"), kDateX, 8, kDateW, century, Qt::AlignHCenter);
    lblTime_ = MakeLabel(this, tr("Time"), kTimeX, 8, kTimeW, century, Qt::AlignHCenter);

    for (int i = 0; i < 6; ++i) {
        const int y = RowTop(i);
        lblName[i] = MakeLabel(this, tr("- Empty -"), kNameX, y, kNameW, gothic, Qt::AlignHCenter);
        lblScore[i] = MakeLabel(this, i == 0 ? QStringLiteral("90") : QStringLiteral("0"), kScoreX, y, kScoreW, gothic,
                                Qt::AlignRight);
        lblMode[i] = MakeLabel(this, QStringLiteral("?"), kModeX, y, kModeW, gothic, Qt::AlignHCenter);
        lblClear[i] = MakeLabel(this, tr("False"), kClearX, y, kClearW, gothic, Qt::AlignHCenter);
        lblDate[i] = MakeLabel(this, QString::fromLatin1(DateUnknown), kDateX, y, kDateW, gothic, Qt::AlignHCenter);
        lblTime[i] = MakeLabel(this, QStringLiteral("??:??:??"), kTimeX, y, kTimeW, gothic, Qt::AlignHCenter);
        for (QLabel* label : {lblName[i], lblScore[i], lblMode[i], lblClear[i], lblDate[i], lblTime[i]})
            SetColor(label, kBlack);
    }

    const int buttonsY = RowTop(0) + kRowH + 12;
    const int right = kTimeX + kTimeW;
    cmdRecover = ui::Make_Button(this, tr("初期化(&R)"), tr("ランキングを初期化します"), QRect(kTitleX, buttonsY, 81, 27));
    cmdUpdate = ui::Make_Button(this, tr("更新(&U)"), tr("最新の情報に更新します"), QRect(right - 170, buttonsY, 81, 27));
    cmdMenu = ui::Make_Button(this, tr("戻る(&B)"), QString(), QRect(right - 81, buttonsY, 81, 27));
    cmdReplay = ui::Make_Button(this, tr("リプレイ(&P)"), tr("選んだ行のゲームをリプレイで見ます"),
                                QRect(kTitleX, buttonsY + kButtonH + 8, 81, kButtonH));
    cmdReplay->setEnabled(false);
    cmdUpdate->setDefault(true);
    setTabOrder(cmdMenu, cmdReplay);
    for (QPushButton* button : {cmdRecover, cmdUpdate, cmdMenu, cmdReplay}) button->installEventFilter(this);

    connect(cmdRecover, &QPushButton::clicked, this, [this] { cmdRecover_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdMenu, &QPushButton::clicked, this, [this] { cmdMenu_Click(); });
    connect(cmdReplay, &QPushButton::clicked, this, [this] { cmdReplay_Click(); });
}

void frmRank::Update_Rank() {
    ++busy_;
    Load_Rank();
    for (int i = 0; i < 6; ++i) Show_Row(i);
    Show_Replay_Button();
    --busy_;
}

void frmRank::Show_Replay_Button() {
    cmdReplay->setEnabled(picked_ >= 0 && !Replay_Of(RankData[picked_]).empty());
}

void frmRank::Pick(int row) {
    if (row == picked_ || row < -1 || row > 5) return;
    picked_ = row;
    Show_Replay_Button();
    update();
}

void frmRank::cmdReplay_Click() {
    const std::string path = picked_ >= 0 ? Replay_Of(RankData[picked_]) : std::string();
    if (path.empty() || !Show_Replay) return;
    // The game window takes the ranking window's place while the replay plays.
    hide();
    ++busy_;
    Show_Replay(path);
    --busy_;
    show();
    raise();
    activateWindow();
}

void frmRank::Show_Row(int i) {
    const RankRecord& row = RankData[i];
    const bool cleared = row.Used && row.Clear;
    SetText(lblClear[i], cleared ? tr("TRUE") : tr("False"));
    SetColor(lblClear[i], cleared ? kRed : kBlack);
    if (!row.Used) {
        SetAlignment(lblName[i], Qt::AlignHCenter);
        SetText(lblName[i], tr("- Empty -"));
        SetText(lblScore[i], i == 0 ? QStringLiteral("90") : QStringLiteral("0"));
        SetAlignment(lblMode[i], Qt::AlignHCenter);
        SetColor(lblMode[i], kBlack);
        SetText(lblMode[i], QStringLiteral("?"));
        SetText(lblDate[i], QString::fromLatin1(DateUnknown));
        SetText(lblTime[i], QStringLiteral("??:??:??"));
        return;
    }
    SetAlignment(lblName[i], Qt::AlignLeft);
    SetText(lblName[i], QString::fromStdString(row.Name));
    SetText(lblScore[i], QString::number(row.Score));
    SetAlignment(lblMode[i], Qt::AlignRight);
    // Any other mode leaves the label as it was.
    if (row.Mode == 0) {
        SetText(lblMode[i], tr("NORMAL"));
        SetColor(lblMode[i], kBlue);
    } else if (row.Mode == 1) {
        SetText(lblMode[i], tr("HARD"));
        SetColor(lblMode[i], kRed);
    }
    SetText(lblDate[i], QString::fromStdString(Date_Text(row.Date)));
    SetText(lblTime[i], QString::fromStdString(row.Time));
}

void frmRank::cmdRecover_Click() {
    ++busy_;
    Recover();
    --busy_;
}

void frmRank::Recover() {
    if (MsgBox(TR_TEXT("glbSystem::frmRank", "ランキングを初期化します。"), MB_OKCANCEL,
               TR_TEXT("glbSystem::frmRank", "確認")) != IDOK)
        return;
    if (MsgBox(TR_TEXT("glbSystem::frmRank",
                       "ネットワークで「ぽに狩り」を共有している場合、\r\nこのまま実行すると多くの人に恨まれることになります。\r\n\r\n"
                       "本当に初期化しますか？"),
               MB_YESNO, TR_TEXT("glbSystem::frmRank", "再確認")) != IDYES)
        return;
    const bool saved = Init_Rank();
    Update_Rank();
    // Completion is claimed only when the empty ranking reached the file.
    if (saved)
        MsgBox(TR_TEXT("glbSystem::frmRank", "ランキングの初期化が完了しました。"), MB_OK, TR_TEXT("glbSystem::frmRank", "完了"));
}

void frmRank::paintEvent(QPaintEvent* event) {
    // White behind the rows, painted rather than put into the palette: with a palette of its
    // own, every ranking window would leave its buttons' images in Qt's pixmap cache anew.
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (picked_ >= 0) {
        const QRect band(kTitleX - 4, RowTop(picked_) - 1, kTimeX + kTimeW - kTitleX + 7, kRowH - 1);
        painter.fillRect(band, kPickFill);
        painter.setPen(kPickFrame);
        painter.drawRect(band);
    }
    painter.end();
    QDialog::paintEvent(event);
    // Every repaint shows the file as it stands now. The reload runs just after the paint, as
    // it may bring up a repair message, which must not open in the middle of painting.
    if (updateQueued_) return;
    updateQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        updateQueued_ = false;
        if (!busy_) Update_Rank();
    });
}

void frmRank::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        cmdRecover_Click();
        return;
    }
    if (Walk_Rows(event->key())) return;
    QDialog::keyPressEvent(event);
}

bool frmRank::Walk_Rows(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    // From no row, Down picks the first place and Up the bottom row.
    const int* at = std::find(std::begin(kShownOrder), std::end(kShownOrder), picked_);
    const int last = static_cast<int>(std::size(kShownOrder)) - 1;
    const int step = key == Qt::Key_Down ? 1 : -1;
    const int index = at == std::end(kShownOrder) ? (step > 0 ? 0 : last) : static_cast<int>(at - kShownOrder) + step;
    Pick(kShownOrder[std::clamp(index, 0, last)]);
    return true;
}

bool frmRank::eventFilter(QObject* watched, QEvent* event) {
    // The buttons would take Up and Down for themselves.
    if (event->type() == QEvent::KeyPress && Walk_Rows(static_cast<QKeyEvent*>(event)->key())) return true;
    return QDialog::eventFilter(watched, event);
}

void frmRank::mousePressEvent(QMouseEvent* event) {
    // The labels pass their clicks on to the window.
    const QPoint at = event->position().toPoint();
    for (int row = 0; row < 6; ++row)
        if (at.x() >= kTitleX && at.x() < kTimeX + kTimeW && at.y() >= RowTop(row) && at.y() < RowTop(row) + kRowH)
            Pick(row);
    QDialog::mousePressEvent(event);
}

void frmRank::reject() { cmdMenu_Click(); }

void frmRank::closeEvent(QCloseEvent* event) {
    if (onClosed) onClosed();
    event->accept();
}

} // namespace glbSystem
