// The ranking window, the settings dialog and the name dialog as real widgets on the
// offscreen platform, on real files in a temporary folder.
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <functional>
#include <memory>

#include "support/RankFolder.h"

#include "app/frmMenu.h"
#include "records/Config.h"
#include "records/Register.h"
#include "records/Windows.h"
#include "records/frmConfig.h"
#include "records/frmGetName.h"
#include "records/frmRank.h"

using namespace glbSystem;
using namespace platform;

namespace {

const QColor kBlack(0, 0, 0), kRed(255, 0, 0), kBlue(0, 0, 255);
const std::string kTenWide = "ぽにぽにぽにぽにぽに";

QColor Color(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
Qt::Alignment Horizontal(const QLabel* label) { return label->alignment() & Qt::AlignHorizontal_Mask; }
std::string Text(const QLabel* label) { return label->text().toStdString(); }

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// Lets pending deletions run, so a closed window is really gone.
void Flush() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Settle();
}

Slot Row(int32_t score, int16_t mode, int16_t clear, const std::string& name, double date = 45000) {
    Slot s;
    s.used = -1;
    s.name = name;
    s.score = score;
    s.mode = mode;
    s.clear = clear;
    s.date = date;
    s.time = "12:00:00";
    return s;
}

} // namespace

class RecordsWindowsTest : public RankFolder {
protected:
    void SetUp() override {
        RankFolder::SetUp();
        Default_Config();
        Menu()->hide();
    }
    void TearDown() override {
        host.onEvents = nullptr;
        host.onBox = nullptr;
        if (frmRank* w = Rank_Window()) w->close();
        if (frmConfig* w = Config_Window()) w->close();
        Menu()->hide();
        Flush();
        RankFolder::TearDown();
    }
    frmRank* OpenRank() {
        Open_Rank();
        frmRank* window = Rank_Window();
        EXPECT_TRUE(window && window->isVisible());
        Settle();
        return window;
    }
    frmConfig* OpenConfig() {
        Open_Config();
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
    void ExpectBackAtTheMenu(const QPointer<QWidget>& window) {
        Flush();
        EXPECT_TRUE(window.isNull()) << "the window is released";
        EXPECT_TRUE(Menu()->isVisible());
        Menu()->hide();
    }
};

// ---- ranking window ----

TEST_F(RecordsWindowsTest, RankingWithoutFileShowsSixEmptyRows) {
    frmRank* w = OpenRank();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ランキング"));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(ReadFile(), "");

    const std::pair<QLabel*, const char*> titles[] = {
        {w->lbl1st, "1st"}, {w->lbl2nd, "2nd"}, {w->lbl3rd, "3rd"}, {w->lbl4th, "4th"}, {w->lbl5th, "5th"},
        {w->lblPariah, "最下層民"}, {w->lblName_, "Name"}, {w->lblScore_, "Score"}, {w->lblMode_, "Mode"},
        {w->lblClear_, "Clear"}, {w->lblDate_, "Date"}, {w->lblTime_, "Time"}};
    for (const auto& [label, text] : titles) EXPECT_EQ(Text(label), text);
    EXPECT_EQ(w->lblName_->font().families().value(0), QStringLiteral("Century Gothic"));
    EXPECT_TRUE(w->lblName[1]->font().families().contains(QStringLiteral("IPAGothic")));
    EXPECT_GT(w->lblPariah->y(), w->lbl5th->y()) << "the 最下層民 row stands at the bottom";
    EXPECT_GT(w->lbl5th->y(), w->lbl1st->y());

    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Text(w->lblName[i]), "- Empty -");
        EXPECT_EQ(Horizontal(w->lblName[i]), Qt::AlignHCenter);
        EXPECT_EQ(Text(w->lblScore[i]), i == 0 ? "90" : "0");
        EXPECT_EQ(Text(w->lblMode[i]), "?");
        EXPECT_EQ(Horizontal(w->lblMode[i]), Qt::AlignHCenter);
        EXPECT_EQ(Color(w->lblMode[i]), kBlack);
        EXPECT_EQ(Text(w->lblClear[i]), "False");
        EXPECT_EQ(Color(w->lblClear[i]), kBlack);
        EXPECT_EQ(Text(w->lblDate[i]), "?\?/?\?/??");
        EXPECT_EQ(Text(w->lblTime[i]), "??:??:??");
    }
    EXPECT_EQ(w->cmdRecover->text(), QStringLiteral("初期化(&R)"));
    EXPECT_EQ(w->cmdRecover->toolTip(), QStringLiteral("ランキングを初期化します"));
    EXPECT_EQ(w->cmdUpdate->text(), QStringLiteral("更新(&U)"));
    EXPECT_EQ(w->cmdUpdate->toolTip(), QStringLiteral("最新の情報に更新します"));
    EXPECT_EQ(w->cmdMenu->text(), QStringLiteral("戻る(&B)"));
    EXPECT_TRUE(w->cmdUpdate->isDefault());
}

TEST_F(RecordsWindowsTest, UsedRowsShowTheirValuesColoursAndAlignment) {
    std::array<Slot, 6> rows{};
    rows[0] = Row(-20, 0, 0, "Low");
    rows[0].time = " 9:05:07";
    rows[1] = Row(999999, 1, -1, "Hero");
    rows[2] = Row(500, 0, 0, "\x82\xDB\x82\xC9", std::numeric_limits<double>::quiet_NaN());
    rows[3].clear = -1;  // an empty row, whatever its flag
    rows[4] = Row(300, 7, 0, "Odd", 1e300);
    WriteFile(FileBytes(rows));
    frmRank* w = OpenRank();

    EXPECT_EQ(Text(w->lblName[1]), "Hero                ");
    EXPECT_EQ(Horizontal(w->lblName[1]), Qt::AlignLeft);
    EXPECT_EQ(Text(w->lblScore[1]), "999999");
    EXPECT_EQ(Text(w->lblMode[1]), "HARD");
    EXPECT_EQ(Color(w->lblMode[1]), kRed);
    EXPECT_EQ(Horizontal(w->lblMode[1]), Qt::AlignRight);
    EXPECT_EQ(Text(w->lblClear[1]), "TRUE");
    EXPECT_EQ(Color(w->lblClear[1]), kRed);
    EXPECT_EQ(Text(w->lblDate[1]), "2023/03/15");
    EXPECT_EQ(Text(w->lblTime[1]), "12:00:00");

    EXPECT_EQ(Text(w->lblName[2]), "ぽに                  ");
    EXPECT_EQ(Text(w->lblMode[2]), "NORMAL");
    EXPECT_EQ(Color(w->lblMode[2]), kBlue);
    EXPECT_EQ(Text(w->lblClear[2]), "False");
    EXPECT_EQ(Text(w->lblDate[2]), "?\?/?\?/??") << "a date that is not a number";

    EXPECT_EQ(Text(w->lblName[3]), "- Empty -");
    EXPECT_EQ(Text(w->lblClear[3]), "False");
    EXPECT_EQ(Color(w->lblClear[3]), kBlack);

    EXPECT_EQ(Text(w->lblMode[4]), "?") << "an unknown mode leaves the label as it was";
    EXPECT_EQ(Horizontal(w->lblMode[4]), Qt::AlignRight);
    EXPECT_EQ(Text(w->lblDate[4]), "?\?/?\?/??");

    EXPECT_EQ(Text(w->lblName[0]), "Low                 ");
    EXPECT_EQ(Text(w->lblScore[0]), "-20");
    EXPECT_EQ(Text(w->lblTime[0]), " 9:05:07");

    // Another player's file: 更新 shows it, an unknown mode keeps the previous caption.
    rows[2].mode = 9;
    rows[1].score = 600;
    WriteFile(FileBytes(rows));
    w->cmdUpdate->click();
    EXPECT_EQ(Text(w->lblScore[1]), "600");
    EXPECT_EQ(Text(w->lblMode[2]), "NORMAL");
    EXPECT_EQ(Color(w->lblMode[2]), kBlue);

    // And so does a repaint.
    rows[1].used = 0;
    WriteFile(FileBytes(rows));
    w->repaint();
    Settle();
    EXPECT_EQ(Text(w->lblName[1]), "- Empty -");
    EXPECT_EQ(Color(w->lblClear[1]), kBlack);
    EXPECT_EQ(Horizontal(w->lblMode[1]), Qt::AlignHCenter);
}

TEST_F(RecordsWindowsTest, DamagedFileIsRepairedBeforeTheWindowShows) {
    WriteFile(std::string(425, 'x'));
    bool shownDuringRepair = true;
    host.onBox = [&](const ShownBox&) { shownDuringRepair = Rank_Window() && Rank_Window()->isVisible(); };
    frmRank* w = OpenRank();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].title, "Error !!");
    EXPECT_FALSE(shownDuringRepair);
    EXPECT_EQ(Text(w->lblName[1]), "- Empty -");
    EXPECT_EQ(ReadFile(), std::string(426, '\0'));
}

TEST_F(RecordsWindowsTest, InitialisationAsksTwiceAndReportsAfterUpdating) {
    std::array<Slot, 6> rows{};
    rows[1] = Row(500, 0, 0, "Keep");
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

    host.boxes.clear();
    host.answers = {IDOK, IDNO};
    w->cmdRecover->click();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].prompt,
              "ネットワークで「ぽに狩り」を共有している場合、\r\nこのまま実行すると多くの人に恨まれることになります。\r\n\r\n"
              "本当に初期化しますか？");
    EXPECT_EQ(host.boxes[1].title, "再確認");
    EXPECT_EQ(host.boxes[1].buttons, MB_YESNO);
    EXPECT_EQ(ReadFile(), stored);
    EXPECT_EQ(Text(w->lblName[1]), "Keep                ");

    host.boxes.clear();
    host.answers = {IDOK, IDYES, IDOK};
    std::string nameWhenDone;
    host.onBox = [&](const ShownBox& box) {
        if (box.title == "完了") nameWhenDone = Text(w->lblName[1]);
    };
    w->cmdRecover->click();
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[2].prompt, "ランキングの初期化が完了しました。");
    EXPECT_EQ(host.boxes[2].title, "完了");
    EXPECT_EQ(host.boxes[2].buttons, MB_OK);
    EXPECT_EQ(nameWhenDone, "- Empty -") << "the lines are updated before the report";
    EXPECT_EQ(ReadFile(), std::string(426, '\0'));
}

TEST_F(RecordsWindowsTest, DeleteKeyAsksLikeTheButton) {
    frmRank* w = OpenRank();
    host.answers = {IDCANCEL};
    QTest::keyClick(w, Qt::Key_Delete);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, "確認");

    host.answers = {IDCANCEL};
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
    for (const ShownBox& box : host.boxes) EXPECT_NE(box.title, "完了");
}

TEST_F(RecordsWindowsTest, BackButtonEscAndCloseBoxReturnToTheMenu) {
    const std::function<void(frmRank*)> ways[] = {
        [](frmRank* w) { w->cmdMenu->click(); },
        [](frmRank* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](frmRank* w) { w->close(); },
    };
    for (const auto& leave : ways) {
        QPointer<QWidget> w = OpenRank();
        leave(static_cast<frmRank*>(w.data()));
        ExpectBackAtTheMenu(w);
    }
}

// ---- settings dialog ----

TEST_F(RecordsWindowsTest, SettingsDialogShowsTheDefaults) {
    frmConfig* d = OpenConfig();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("コンフィグ"));
    const std::pair<QCheckBox*, const char*> boxes[] = {{d->chkStar, "星を描画する"},      {d->chkHardMode, "ハードモード"},
                                                        {d->chkBgm, "音楽を再生する"},     {d->chkEasyBlast, "爆炎を簡易描画する"},
                                                        {d->chkLimitBreak, "リミッタ解除"}};
    for (const auto& [box, caption] : boxes) EXPECT_EQ(box->text().toStdString(), caption);
    EXPECT_TRUE(d->chkStar->isChecked());
    EXPECT_TRUE(d->chkBgm->isChecked());
    EXPECT_FALSE(d->chkHardMode->isChecked());
    EXPECT_FALSE(d->chkEasyBlast->isChecked());
    EXPECT_FALSE(d->chkLimitBreak->isChecked());
    EXPECT_LT(d->chkStar->x(), d->chkEasyBlast->x()) << "two columns";
    EXPECT_LT(d->cmdOK->x(), d->cmdDefault->x());
    EXPECT_LT(d->cmdDefault->x(), d->cmdCancel->x());
    EXPECT_EQ(d->cmdOK->text(), QStringLiteral("&OK"));
    EXPECT_EQ(d->cmdOK->toolTip(), QStringLiteral("設定を適用してメニューに戻ります"));
    EXPECT_EQ(d->cmdDefault->text(), QStringLiteral("デフォルト(&D)"));
    EXPECT_EQ(d->cmdDefault->toolTip(), QStringLiteral("各項目を初期値に戻します"));
    EXPECT_EQ(d->cmdCancel->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(d->cmdCancel->toolTip(), QStringLiteral("設定を破棄してメニューに戻ります"));
    EXPECT_TRUE(d->cmdOK->isDefault());
}

TEST_F(RecordsWindowsTest, SettingsShowWhatTheSwitchesHold) {
    cfgHardMode = 1;  // as F7 leaves it
    cfgLimiter = 0;
    cfgStar = 5;      // any non-zero value is on
    cfgBgm = 0;
    frmConfig* d = OpenConfig();
    EXPECT_TRUE(d->chkHardMode->isChecked());
    EXPECT_TRUE(d->chkLimitBreak->isChecked());
    EXPECT_TRUE(d->chkStar->isChecked());
    EXPECT_FALSE(d->chkBgm->isChecked());
}

TEST_F(RecordsWindowsTest, OkAndEnterApplyTheBoxes) {
    for (bool byKey : {false, true}) {
        SCOPED_TRACE(byKey);
        Default_Config();
        QPointer<frmConfig> d = OpenConfig();
        d->chkLimitBreak->setChecked(true);
        d->chkHardMode->setChecked(true);
        d->chkBgm->setChecked(false);
        d->chkEasyBlast->setChecked(true);
        if (byKey) QTest::keyClick(d.data(), Qt::Key_Return);
        else d->cmdOK->click();
        EXPECT_EQ(cfgLimiter, 0);
        EXPECT_EQ(cfgHardMode, 1);
        EXPECT_EQ(cfgBgm, 0);
        EXPECT_EQ(cfgEasyBlast, -1);
        EXPECT_EQ(cfgStar, -1);
        EXPECT_EQ(cfgRefresh, -1);
        ExpectBackAtTheMenu(QPointer<QWidget>(d.data()));
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
        EXPECT_EQ(cfgBgm, -1);
        EXPECT_EQ(cfgStar, -1);
        EXPECT_EQ(cfgEasyBlast, 0);
        EXPECT_EQ(cfgHardMode, 0);
        EXPECT_EQ(cfgLimiter, -1);
        ExpectBackAtTheMenu(QPointer<QWidget>(d.data()));
    }
}

TEST_F(RecordsWindowsTest, DefaultWritesTheSwitchesAtOnce) {
    cfgBgm = 0;
    cfgHardMode = 1;
    frmConfig* d = OpenConfig();
    EXPECT_FALSE(d->chkBgm->isChecked());
    d->chkEasyBlast->setChecked(true);
    d->cmdDefault->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(cfgBgm, -1);
    EXPECT_EQ(cfgHardMode, 0);
    EXPECT_TRUE(d->chkBgm->isChecked());
    EXPECT_FALSE(d->chkHardMode->isChecked());
    EXPECT_FALSE(d->chkEasyBlast->isChecked());
    d->cmdCancel->click();
    EXPECT_EQ(cfgBgm, -1) << "キャンセル after デフォルト keeps the defaults";
}

// ---- name dialog ----

TEST_F(RecordsWindowsTest, NameDialogReturnsTheNameAsTyped) {
    ASSERT_EQ(Show_GetName, &Open_GetName) << "the windows put the dialog at the rules' disposal";
    int16_t enterClicked = 0;
    const std::string name = AskWith({[&](frmGetName* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("ランキングに登録"));
        EXPECT_EQ(d->cmdEnter->text(), QStringLiteral("&OK"));
        EXPECT_EQ(d->cmdEnter->toolTip(), QStringLiteral("入力を確定します"));
        EXPECT_EQ(d->cmdCancel->text(), QStringLiteral("キャンセル"));
        EXPECT_EQ(d->cmdCancel->toolTip(), QStringLiteral("入力を拒否します"));
        EXPECT_TRUE(d->cmdEnter->isDefault());
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
    const std::string again = AskWith({[](frmGetName* d) {
        EXPECT_TRUE(d->txtName->text().isEmpty());
        d->txtName->setText(QStringLiteral("B"));
        d->cmdEnter->click();
    }});
    EXPECT_EQ(again, "B");
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
}

TEST_F(RecordsWindowsTest, BlankNameWarnsAndNoGoesBackToTheDialog) {
    host.answers = {IDOK, IDNO};
    const std::string name = AskWith({
        [](frmGetName* d) {
            d->txtName->setText(QStringLiteral("　 "));
            d->cmdEnter->click();
        },
        [](frmGetName* d) {
            EXPECT_EQ(d->txtName->text(), QStringLiteral("　 "));
            d->txtName->setText(QStringLiteral("Pony"));
            d->cmdEnter->click();
        },
    });
    EXPECT_EQ(name, "Pony");
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].prompt, "名前が入力されいてないため、スコアがランキングに記録されません。\r\nよろしいですか？");
    EXPECT_EQ(host.boxes[1].title, "Warning !!");
    EXPECT_EQ(host.boxes[1].buttons, MB_YESNO);

    host.boxes.clear();
    const std::string blank = AskWith({[](frmGetName* d) { d->cmdEnter->click(); }});  // Yes to the warning
    EXPECT_EQ(blank, "");
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
        const std::string name = AskWith({
            [&](frmGetName* d) {
                d->txtName->setText(QString::fromStdString(typed));
                d->cmdEnter->click();
            },
            [&](frmGetName* d) {
                EXPECT_EQ(d->txtName->text().toStdString(), cut);
                EXPECT_EQ(d->focusWidget(), d->txtName);
                d->cmdEnter->click();
            },
        });
        EXPECT_EQ(name, cut);
        ASSERT_EQ(host.boxes.size(), 2u);
        EXPECT_EQ(host.boxes[1].prompt, "登録名は全角10文字か半角20文字以内にしてください。");
        EXPECT_EQ(host.boxes[1].title, "Input error");
        EXPECT_EQ(host.boxes[1].buttons, MB_OK);
    }
    host.boxes.clear();
    EXPECT_EQ(AskWith({[](frmGetName* d) {
                  d->txtName->setText(QString::fromStdString(kTenWide));
                  d->cmdEnter->click();
              }}),
              kTenWide);
    EXPECT_EQ(host.boxes.size(), 1u) << "twenty bytes are accepted";
}

TEST_F(RecordsWindowsTest, CloseBoxAfterInputErrorCancels) {
    const std::string name = AskWith({
        [](frmGetName* d) {
            d->txtName->setText(QString::fromStdString(kTenWide + "かな"));
            d->cmdEnter->click();
        },
        [](frmGetName* d) { d->close(); },
    });
    EXPECT_EQ(name, "");
}

TEST_F(RecordsWindowsTest, CharactersShiftJisCannotHoldAreRefusedVisibly) {
    std::array<Slot, 6> empty{};
    WriteFile(FileBytes(empty));
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
