// The ranking window, the settings dialog and the name dialog as real widgets on the
// offscreen platform, on real files in a temporary folder.
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>
#include <cstdio>
#include <functional>
#include <memory>

#include "support/RankFolder.h"

#include "ui/Window.h"
#include "records/Config.h"
#include "records/Register.h"
#include "records/Windows.h"
#include "records/frmConfig.h"
#include "records/frmGetName.h"
#include "records/frmRank.h"

using namespace glbSystem;
using namespace platform;

namespace {

const std::string kTenWide = "ぽにぽにぽにぽにぽに";

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// Lets pending deletions run, so a closed window is really gone.
void Flush() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Settle();
}

std::string Colour(const QLabel* label) {
    const QColor c = label->palette().color(QPalette::WindowText);
    return c == Qt::black ? "black" : c == Qt::red ? "red" : c == Qt::blue ? "blue" : c.name().toStdString();
}

std::string Align(const QLabel* label) {
    const Qt::Alignment a = label->alignment() & Qt::AlignHorizontal_Mask;
    return a == Qt::AlignLeft ? "L" : a == Qt::AlignHCenter ? "C" : a == Qt::AlignRight ? "R" : "?";
}

// One line of the ranking: name|alignment|score|mode|alignment|colour|clear|colour|date|time.
std::string Line(const frmRank* w, int i) {
    const auto t = [](const QLabel* l) { return l->text().toStdString(); };
    return t(w->lblName[i]) + "|" + Align(w->lblName[i]) + "|" + t(w->lblScore[i]) + "|" + t(w->lblMode[i]) + "|" +
           Align(w->lblMode[i]) + "|" + Colour(w->lblMode[i]) + "|" + t(w->lblClear[i]) + "|" + Colour(w->lblClear[i]) +
           "|" + t(w->lblDate[i]) + "|" + t(w->lblTime[i]);
}

std::string EmptyLine(int i) {
    return std::string("- Empty -|C|") + (i == 0 ? "90" : "0") + "|?|C|black|False|black|?\?/?\?/??|??:??:??";
}

std::string Button(const QPushButton* b) {
    return (b->text() + "|" + b->toolTip() + (b->isDefault() ? "|default" : "")).toStdString();
}

// The boxes Star, HardMode, Bgm, EasyBlast, LimitBreak as 1 (checked) or 0.
std::string Boxes(const frmConfig* d) {
    std::string out;
    for (const QCheckBox* b : {d->chkStar, d->chkHardMode, d->chkBgm, d->chkEasyBlast, d->chkLimitBreak})
        out += b->isChecked() ? '1' : '0';
    return out;
}

// cfgBgm, cfgStar, cfgEasyBlast, cfgHardMode, cfgLimiter, cfgRefresh.
std::string Switches() {
    std::string out;
    for (int16_t v : {cfgBgm, cfgStar, cfgEasyBlast, cfgHardMode, cfgLimiter, cfgRefresh}) out += std::to_string(v) + " ";
    return out;
}
const std::string kDefaults = "-1 -1 0 0 -1 -1 ";

} // namespace

class RecordsWindowsTest : public RankFolder {
protected:
    void SetUp() override {
        RankFolder::SetUp();
        Default_Config();
        backAtOpener = 0;
    }
    void TearDown() override {
        host.onEvents = nullptr;
        host.onBox = nullptr;
        if (frmRank* w = Rank_Window()) w->close();
        if (frmConfig* w = Config_Window()) w->close();
        Flush();
        RankFolder::TearDown();
    }
    frmRank* OpenRank() {
        Open_Rank([this] { ++backAtOpener; });
        EXPECT_TRUE(Rank_Window() && Rank_Window()->isVisible());
        Settle();
        return Rank_Window();
    }
    frmConfig* OpenConfig() {
        Open_Config([this] { ++backAtOpener; });
        Settle();
        return Config_Window();
    }
    // Runs Ask_Name with the steps done one after another in the open dialog, each when the
    // rules let the windows handle events.
    std::string AskWith(std::vector<std::function<void(frmGetName*)>> steps) {
        auto next = std::make_shared<std::size_t>(0);
        host.onEvents = [steps, next] {
            frmGetName* dialog = GetName_Window();
            if (!dialog || !dialog->isVisible()) return;
            if (*next < steps.size()) {
                steps[(*next)++](dialog);
            } else {
                ADD_FAILURE() << "the dialog is still open after every step";
                dialog->cmdCancel->click();
            }
        };
        const std::string name = Ask_Name();
        host.onEvents = nullptr;
        return name;
    }
    static std::function<void(frmGetName*)> Type(const std::string& text) {
        return [text](frmGetName* d) {
            d->txtName->setText(QString::fromStdString(text));
            d->cmdEnter->click();
        };
    }
    void ExpectBackAtTheMenu(const QPointer<QWidget>& window) {
        Flush();
        EXPECT_TRUE(window.isNull()) << "the window is released";
        EXPECT_EQ(backAtOpener, 1) << "the opener is told once";
        backAtOpener = 0;
    }
    // How often a window told its opener that it closed.
    int backAtOpener = 0;
};

// ---- ranking window ----

TEST_F(RecordsWindowsTest, RankingWithoutFileShowsSixEmptyRows) {
    frmRank* w = OpenRank();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ランキング"));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(ReadFile(), "");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Line(w, i), EmptyLine(i));

    std::string titles;
    for (const QLabel* l : {w->lbl1st, w->lbl2nd, w->lbl3rd, w->lbl4th, w->lbl5th, w->lblPariah, w->lblName_,
                            w->lblScore_, w->lblMode_, w->lblClear_, w->lblDate_, w->lblTime_})
        titles += l->text().toStdString() + " ";
    EXPECT_EQ(titles, "1st 2nd 3rd 4th 5th 最下層民 Name Score Mode Clear Date Time ");
    EXPECT_GT(w->lblPariah->y(), w->lbl5th->y()) << "the 最下層民 row stands at the bottom";
    EXPECT_EQ(w->lblName_->font().families().value(0), QStringLiteral("Century Gothic"));
    EXPECT_TRUE(w->lblName[1]->font().families().contains(QStringLiteral("IPAGothic")));
    EXPECT_EQ(Button(w->cmdRecover), "初期化(&R)|ランキングを初期化します");
    EXPECT_EQ(Button(w->cmdUpdate), "更新(&U)|最新の情報に更新します|default");
    EXPECT_EQ(Button(w->cmdMenu), "戻る(&B)|");
}

TEST_F(RecordsWindowsTest, UsedRowsShowTheirValuesColoursAndAlignment) {
    std::array<Slot, 6> rows{};
    rows[0] = UsedSlot(-20, 0, 0, "Low");
    rows[0].time = " 9:05:07";
    rows[1] = UsedSlot(999999, 1, -1, "Hero");
    rows[2] = UsedSlot(500, 0, 0, "\x82\xDB\x82\xC9", std::numeric_limits<double>::quiet_NaN());
    rows[3].clear = -1;  // an empty row, whatever its flag
    rows[4] = UsedSlot(300, 7, 0, "Odd", 1e300);
    WriteFile(FileBytes(rows));
    frmRank* w = OpenRank();
    EXPECT_EQ(Line(w, 1), "Hero                |L|999999|HARD|R|red|TRUE|red|2023/03/15|12:00:00");
    EXPECT_EQ(Line(w, 2), "ぽに                  |L|500|NORMAL|R|blue|False|black|?\?/?\?/??|12:00:00");
    EXPECT_EQ(Line(w, 3), EmptyLine(3));
    EXPECT_EQ(Line(w, 4), "Odd                 |L|300|?|R|black|False|black|?\?/?\?/??|12:00:00")
        << "an unknown mode leaves the label as it was";
    EXPECT_EQ(Line(w, 0), "Low                 |L|-20|NORMAL|R|blue|False|black|2023/03/15| 9:05:07");

    // Another player's file: 更新 shows it; the unknown mode keeps the previous caption.
    rows[2].mode = 9;
    rows[1].score = 600;
    WriteFile(FileBytes(rows));
    w->cmdUpdate->click();
    EXPECT_EQ(Line(w, 1), "Hero                |L|600|HARD|R|red|TRUE|red|2023/03/15|12:00:00");
    EXPECT_EQ(Line(w, 2), "ぽに                  |L|500|NORMAL|R|blue|False|black|?\?/?\?/??|12:00:00");

    // And so does a repaint.
    rows[1].used = 0;
    WriteFile(FileBytes(rows));
    w->repaint();
    Settle();
    EXPECT_EQ(Line(w, 1), EmptyLine(1));
}

TEST_F(RecordsWindowsTest, DamagedFileIsRepairedBeforeTheWindowShows) {
    WriteFile(std::string(425, 'x'));
    bool shownDuringRepair = true;
    host.onBox = [&](const ShownBox&) { shownDuringRepair = Rank_Window() && Rank_Window()->isVisible(); };
    frmRank* w = OpenRank();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].title, "Error !!");
    EXPECT_FALSE(shownDuringRepair);
    EXPECT_EQ(Line(w, 1), EmptyLine(1));
}

TEST_F(RecordsWindowsTest, InitialisationAsksTwiceAndReportsAfterUpdating) {
    std::array<Slot, 6> rows{};
    rows[1] = UsedSlot(500, 0, 0, "Keep");
    const std::string stored = FileBytes(rows, 5);
    WriteFile(stored);
    frmRank* w = OpenRank();

    host.answers = {IDCANCEL};
    w->cmdRecover->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].prompt, "ランキングを初期化します。");
    EXPECT_EQ(host.boxes[0].title, "確認");
    EXPECT_EQ(host.boxes[0].buttons, MB_OKCANCEL);
    EXPECT_EQ(ReadFile(), stored);

    host.answers = {IDOK, IDNO};
    w->cmdRecover->click();
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[2].prompt,
              "ネットワークで「ぽに狩り」を共有している場合、\r\nこのまま実行すると多くの人に恨まれることになります。\r\n\r\n"
              "本当に初期化しますか？");
    EXPECT_EQ(host.boxes[2].title, "再確認");
    EXPECT_EQ(host.boxes[2].buttons, MB_YESNO);
    EXPECT_EQ(ReadFile(), stored);

    host.boxes.clear();
    host.answers = {IDOK, IDYES, IDOK};
    std::string lineWhenDone;
    host.onBox = [&](const ShownBox& box) {
        if (box.title == "完了") lineWhenDone = Line(w, 1);
    };
    w->cmdRecover->click();
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[2].prompt, "ランキングの初期化が完了しました。");
    EXPECT_EQ(host.boxes[2].buttons, MB_OK);
    EXPECT_EQ(lineWhenDone, EmptyLine(1)) << "the lines are updated before the report";
    EXPECT_EQ(ReadFile(), std::string(426, '\0'));
}

TEST_F(RecordsWindowsTest, DeleteKeyAsksLikeTheButton) {
    frmRank* w = OpenRank();
    host.answers = {IDCANCEL, IDCANCEL};
    QTest::keyClick(w, Qt::Key_Delete);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, "確認");
    w->cmdUpdate->setFocus();
    QTest::keyClick(w->cmdUpdate, Qt::Key_Delete);
    EXPECT_EQ(host.boxes.size(), 2u) << "also while a button has the focus";
    QTest::keyClick(w, Qt::Key_Insert);
    EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(RecordsWindowsTest, InitialisationThatCannotBeSavedClaimsNoCompletion) {
    frmRank* w = OpenRank();
    QFile::remove(QStringLiteral("Ranking.sav"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Ranking.sav")));
    host.answers = {IDOK, IDYES};
    w->cmdRecover->click();
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[2].title, "Error !!") << "the player is told the folder takes no file";
}

TEST_F(RecordsWindowsTest, BackButtonEscAndCloseBoxReturnToTheMenu) {
    const std::function<void(frmRank*)> ways[] = {
        [](frmRank* w) { w->cmdMenu->click(); },
        [](frmRank* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](frmRank* w) { w->close(); },
    };
    for (const auto& leave : ways) {
        QPointer<frmRank> w = OpenRank();
        leave(w.data());
        ExpectBackAtTheMenu(w.data());
    }
}

// Qt's style keeps the pictures of buttons and icons under their palette's and icon's keys: a
// ranking window after every game must find those of the last one, or memory grows by game.
TEST_F(RecordsWindowsTest, EveryRankingWindowIsWhiteAndReusesThePicturesOfTheLast) {
    qint64 key = 0;
    for (int i = 0; i < 2; ++i) {
        QPointer<frmRank> w = OpenRank();
        EXPECT_EQ(w->grab().toImage().pixelColor(w->width() / 2, 4), QColor(Qt::white));
        if (i == 1) {
            EXPECT_EQ(w->cmdMenu->palette().cacheKey(), key);
        }
        key = w->cmdMenu->palette().cacheKey();
        w->close();
        Flush();
    }
    EXPECT_EQ(ui::Window_Icon().cacheKey(), ui::Window_Icon().cacheKey());
}

// ---- settings dialog ----

TEST_F(RecordsWindowsTest, SettingsDialogShowsTheSwitches) {
    frmConfig* d = OpenConfig();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("コンフィグ"));
    std::string captions;
    for (const QCheckBox* b : {d->chkStar, d->chkHardMode, d->chkBgm, d->chkEasyBlast, d->chkLimitBreak})
        captions += b->text().toStdString() + " ";
    EXPECT_EQ(captions, "星を描画する ハードモード 音楽を再生する 爆炎を簡易描画する リミッタ解除 ");
    EXPECT_EQ(Boxes(d), "10100");
    EXPECT_EQ(Button(d->cmdOK), "&OK|設定を適用してメニューに戻ります|default");
    EXPECT_EQ(Button(d->cmdDefault), "デフォルト(&D)|各項目を初期値に戻します");
    EXPECT_EQ(Button(d->cmdCancel), "キャンセル|設定を破棄してメニューに戻ります");
    d->close();

    cfgHardMode = 1;  // as F7 leaves it
    cfgLimiter = 0;
    cfgStar = 5;      // any non-zero value is on
    cfgBgm = 0;
    EXPECT_EQ(Boxes(OpenConfig()), "11001");
}

TEST_F(RecordsWindowsTest, OkAndEnterApplyTheBoxes) {
    for (bool byKey : {false, true}) {
        Default_Config();
        QPointer<frmConfig> d = OpenConfig();
        d->chkLimitBreak->setChecked(true);
        d->chkHardMode->setChecked(true);
        d->chkBgm->setChecked(false);
        d->chkEasyBlast->setChecked(true);
        if (byKey) QTest::keyClick(d.data(), Qt::Key_Return);
        else d->cmdOK->click();
        EXPECT_EQ(Switches(), "0 -1 -1 1 0 -1 ") << "hard mode is 1, not -1; the limiter is inverted";
        ExpectBackAtTheMenu(d.data());
    }
}

TEST_F(RecordsWindowsTest, CancelEscAndCloseBoxDiscardTheBoxes) {
    const std::function<void(frmConfig*)> ways[] = {
        [](frmConfig* d) { d->cmdCancel->click(); },
        [](frmConfig* d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](frmConfig* d) { d->close(); },
    };
    for (const auto& leave : ways) {
        QPointer<frmConfig> d = OpenConfig();
        for (QCheckBox* box : {d->chkStar, d->chkHardMode, d->chkBgm, d->chkEasyBlast, d->chkLimitBreak})
            box->setChecked(!box->isChecked());
        leave(d.data());
        EXPECT_EQ(Switches(), kDefaults);
        ExpectBackAtTheMenu(d.data());
    }
}

TEST_F(RecordsWindowsTest, DefaultWritesTheSwitchesAtOnce) {
    cfgBgm = 0;
    cfgHardMode = 1;
    frmConfig* d = OpenConfig();
    d->chkEasyBlast->setChecked(true);
    d->cmdDefault->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(Switches(), kDefaults);
    EXPECT_EQ(Boxes(d), "10100");
    d->cmdCancel->click();
    EXPECT_EQ(Switches(), kDefaults) << "キャンセル after デフォルト keeps the defaults";
}

// ---- name dialog ----

TEST_F(RecordsWindowsTest, NameDialogReturnsTheNameAsTyped) {
    ASSERT_EQ(Show_GetName, &Open_GetName) << "the windows put the dialog at the rules' disposal";
    int16_t enterClicked = 0;
    const std::string name = AskWith({[&](frmGetName* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("ランキングに登録"));
        EXPECT_EQ(Button(d->cmdEnter), "&OK|入力を確定します|default");
        EXPECT_EQ(Button(d->cmdCancel), "キャンセル|入力を拒否します");
        EXPECT_TRUE(d->txtName->font().families().contains(QStringLiteral("IPAMincho")));
        EXPECT_TRUE(d->txtName->text().isEmpty());
        d->txtName->setText(QStringLiteral("  ぽに 太郎 "));
        QTest::keyClick(d->txtName, Qt::Key_Return);
        enterClicked = d->EnterClicked;
    }});
    EXPECT_EQ(name, "  ぽに 太郎 ");
    EXPECT_EQ(InputName, name);
    EXPECT_EQ(enterClicked, -1);
    EXPECT_EQ(NameInputDone, -1);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, "NEW RECORD !!");

    // The next registration gets a fresh dialog with an empty box.
    EXPECT_EQ(AskWith({[](frmGetName* d) {
                  EXPECT_TRUE(d->txtName->text().isEmpty());
                  Type("B")(d);
              }}),
              "B");
}

TEST_F(RecordsWindowsTest, CancelEscAndCloseBoxReturnNoName) {
    const std::function<void(frmGetName*)> ways[] = {
        [](frmGetName* d) { d->cmdCancel->click(); },
        [](frmGetName* d) { QTest::keyClick(d->txtName, Qt::Key_Escape); },
        [](frmGetName* d) { d->close(); },
    };
    for (const auto& leave : ways) {
        QPointer<frmGetName> dialog;
        const std::string name = AskWith({[&](frmGetName* d) {
            dialog = d;
            d->txtName->setText(QStringLiteral("Typed"));
            leave(d);
        }});
        EXPECT_EQ(name, "");
        EXPECT_EQ(NameInputDone, -1);
        Flush();
        EXPECT_TRUE(dialog.isNull()) << "the dialog is released";
    }
    // Also after an "Input error".
    EXPECT_EQ(AskWith({Type(kTenWide + "かな"), [](frmGetName* d) { d->close(); }}), "");
}

TEST_F(RecordsWindowsTest, BlankNameWarnsAndNoGoesBackToTheDialog) {
    host.answers = {IDOK, IDNO};
    const std::string name = AskWith({Type("　 "), [](frmGetName* d) {
                                          EXPECT_EQ(d->txtName->text(), QStringLiteral("　 "));
                                          Type("Pony")(d);
                                      }});
    EXPECT_EQ(name, "Pony");
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].prompt, "名前が入力されいてないため、スコアがランキングに記録されません。\r\nよろしいですか？");
    EXPECT_EQ(host.boxes[1].title, "Warning !!");
    EXPECT_EQ(host.boxes[1].buttons, MB_YESNO);

    host.boxes.clear();
    EXPECT_EQ(AskWith({Type("")}), "") << "Yes to the warning ends the dialog";
    EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(RecordsWindowsTest, LongNamesAreCutWithInputError) {
    const std::pair<std::string, std::string> cases[] = {
        {kTenWide + "か", kTenWide},
        {"ぽにぽにぽにぽにぽ" "abc", "ぽにぽにぽにぽにぽ" "ab"},
        {"abc" "ぽにぽにぽにぽにぽ", "abc" "ぽにぽにぽにぽに"},
    };
    for (const auto& [typed, cut] : cases) {
        SCOPED_TRACE(typed);
        host.boxes.clear();
        const std::string name = AskWith({Type(typed), [&](frmGetName* d) {
                                              EXPECT_EQ(d->txtName->text().toStdString(), cut);
                                              EXPECT_EQ(d->focusWidget(), d->txtName);
                                              d->cmdEnter->click();
                                          }});
        EXPECT_EQ(name, cut);
        ASSERT_EQ(host.boxes.size(), 2u);
        EXPECT_EQ(host.boxes[1].prompt, "登録名は全角10文字か半角20文字以内にしてください。");
        EXPECT_EQ(host.boxes[1].title, "Input error");
        EXPECT_EQ(host.boxes[1].buttons, MB_OK);
    }
    host.boxes.clear();
    EXPECT_EQ(AskWith({Type(kTenWide)}), kTenWide);
    EXPECT_EQ(host.boxes.size(), 1u) << "twenty bytes are accepted";
}

TEST_F(RecordsWindowsTest, CharactersShiftJisCannotHoldAreRefusedVisibly) {
    WriteFile(FileBytes({}));
    host.onEvents = [] {
        frmGetName* d = GetName_Window();
        if (!d || !d->isVisible()) return;
        if (d->txtName->text().isEmpty()) d->txtName->setText(QStringLiteral("〜é😀A"));
        d->cmdEnter->click();  // the first press refuses, the second confirms what is shown
    };
    RankRecord result;
    result.Used = -1;
    result.Score = 500;
    ASSERT_TRUE(Register_Rank(result));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].title, "Input error");
    EXPECT_EQ(host.boxes[1].prompt, "「〜é😀」はランキングに記録できない文字です。\r\n似た文字に置き換えるか、取り除きました。");
    EXPECT_EQ(RankData[1].Name, "～A" + std::string(18, ' '));
    ASSERT_TRUE(Save_Rank());
    EXPECT_EQ(FieldAt(ReadFile(), 1, 2, 20), "\x81\x60" "A" + std::string(17, ' '));
}

TEST_F(RecordsWindowsTest, ControlCharactersNeverEnterAName) {
    const std::string name = AskWith({[](frmGetName* d) {
        d->txtName->setText(QStringLiteral("ab"));
        d->txtName->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QStringLiteral("\tぽ\r\nに\u2028\x7F\u0085"));
        d->txtName->paste();
        EXPECT_EQ(d->txtName->text(), QStringLiteral("aぽにb"));
        EXPECT_EQ(d->txtName->cursorPosition(), 3) << "the cursor stays after the pasted text";
        d->cmdEnter->click();
    }});
    EXPECT_EQ(name, "aぽにb");
    EXPECT_EQ(host.boxes.size(), 1u) << "nothing left to refuse";
}

TEST_F(RecordsWindowsTest, LongestPossiblePasteIsCutAtOnce) {
    const QString pasted(32767, QChar(u'あ'));
    qint64 took = -1;
    const std::string name = AskWith({[&](frmGetName* d) {
        QElapsedTimer timer;
        timer.start();
        d->txtName->setText(pasted);
        d->cmdEnter->click();
        took = timer.elapsed();
        EXPECT_EQ(d->txtName->text(), pasted.left(10));
        d->cmdEnter->click();
    }});
    std::printf("Pasting %lld characters and OK took %lld ms\n", static_cast<long long>(pasted.size()),
                static_cast<long long>(took));
    EXPECT_EQ(name, pasted.left(10).toStdString());
    EXPECT_LT(took, 500) << "milliseconds from the paste to the cut name (re-encoding every start of the text took minutes)";
}
