// The title menu and the game window as real widgets on the offscreen platform.
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "support/GameFixture.h"

#include "app/frmMenu.h"
#include "game/Keys.h"
#include "game/frmMain.h"
#include "ui/Center.h"

using namespace app;
using namespace glbSystem;
using namespace ui;
using namespace platform;

class MenuTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        glbMain::InstallWindow(&live);
        ended = 0;
        End_Program = [] { ++ended; };
        menu = Menu();
        Show_Centered(menu);
    }
    void TearDown() override {
        menu->hide();
        End_Program = nullptr;
        GameFixture::TearDown();
    }
    glbMain::LiveGameWindow live;
    frmMenu* menu = nullptr;
    static inline int ended = 0;
};

TEST_F(MenuTest, CaptionsTooltipsAndLayout) {
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("ぽに狩り"));
    EXPECT_EQ(menu->size(), QSize(192, 88));
    const struct { QPushButton* b; const char16_t* caption; const char16_t* tip; QRect geometry; } want[] = {
        {menu->cmdStart, u"スタート(&S)", u"さぁ、ゲームの始まりです", QRect(8, 8, 81, 33)},
        {menu->cmdRank, u"ランキング(&R)", u"ランキングを表示します", QRect(104, 8, 81, 33)},
        {menu->cmdConfig, u"コンフィグ(&C)", u"各種設定を変更します", QRect(8, 48, 81, 33)},
        {menu->cmdExit, u"終了(&X)", u"ぽに狩りを終了します", QRect(104, 48, 81, 33)},
    };
    for (const auto& w : want) {
        EXPECT_EQ(w.b->text(), QString::fromUtf16(w.caption));
        EXPECT_EQ(w.b->toolTip(), QString::fromUtf16(w.tip));
        EXPECT_EQ(w.b->geometry(), w.geometry);
    }
    EXPECT_TRUE(menu->cmdStart->isDefault());
    // Tab order: Start, Ranking, Config, Exit.
    EXPECT_EQ(menu->cmdStart->nextInFocusChain(), menu->cmdRank);
    EXPECT_EQ(menu->cmdRank->nextInFocusChain(), menu->cmdConfig);
    EXPECT_EQ(menu->cmdConfig->nextInFocusChain(), menu->cmdExit);
}

TEST_F(MenuTest, EscAsksBeforeExitAndNoKeepsTheMenu) {
    host.answers = {IDNO};
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].prompt, "終了してもよろしいですか？");
    EXPECT_EQ(host.boxes[0].title, "確認");
    EXPECT_EQ(host.boxes[0].buttons, MB_YESNO);
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(menu->isVisible());

    host.answers = {IDYES};
    menu->cmdExit->click();
    EXPECT_EQ(ended, 1);
}

TEST_F(MenuTest, CloseBoxEndsWithoutAsking) {
    menu->close();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MenuTest, EnterPlaysAGameInTheGameWindowAndEscReturns) {
    bool sawWindow = false;
    host.onEvents = [&] {
        glbMain::frmMain* form = live.form();
        if (!form || glbMain::gameQuit) return;
        sawWindow = form->isVisible() && !menu->isVisible() &&
                    form->windowTitle() == QStringLiteral("ゲーム画面") && form->size() == QSize(320, 240);
        QTest::keyClick(form, Qt::Key_Escape);
    };
    QTest::keyClick(menu, Qt::Key_Return);
    host.onEvents = nullptr;
    EXPECT_TRUE(sawWindow);
    EXPECT_EQ(glbMain::gameAborted, -1);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(live.form(), nullptr);  // unloaded
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MenuTest, ClosingTheGameWindowEndsTheGameAsEscDoes) {
    host.onEvents = [&] {
        if (live.form() && !glbMain::gameQuit) live.form()->close();
    };
    menu->cmdStart->click();
    host.onEvents = nullptr;
    EXPECT_EQ(glbMain::gameAborted, -1);
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(MenuTest, GameWindowKeysReachTheHandlers) {
    int64_t pausedAt = -1;
    bool pressed = false;
    host.onEvents = [&] {
        glbMain::frmMain* form = live.form();
        if (!form || glbMain::gameQuit) return;
        if (glbMain::gameInHold) {
            pausedAt = glbMain::gamePass;
            EXPECT_TRUE(form->lblPause->isVisible());
            EXPECT_EQ(form->lblPause->text(), QStringLiteral("PAUSE : Score 0 Points."));
            // Centred in the field whatever the width of its text.
            EXPECT_NEAR(form->lblPause->geometry().center().x(), 160, 1);
            QTest::keyClick(form, Qt::Key_Escape);
        } else if (glbMain::gamePass == 3 && !pressed) {
            pressed = true;
            QTest::keyClick(form, Qt::Key_Control);
        }
    };
    menu->cmdStart->click();
    host.onEvents = nullptr;
    EXPECT_EQ(pausedAt, 3);
}

TEST_F(MenuTest, WithoutGlobalKeysAHiddenGameIsMinimisedAndComesBackFromTheTaskBar) {
    host.globalKeys = false;
    bool hidden = false, minimised = false, resumedPaused = false;
    host.onEvents = [&] {
        glbMain::frmMain* form = live.form();
        if (!form || glbMain::gameQuit) return;
        if (!hidden) {
            hidden = true;
            QTest::keyClick(form, Qt::Key_Return);
        } else if (glbMain::gameHidden) {
            minimised = form->isMinimized();
            form->showNormal();  // the player clicks it in the task bar
        } else if (glbMain::gameInHold) {
            resumedPaused = form->isVisible() && !form->isMinimized();
            QTest::keyClick(form, Qt::Key_Escape);
        }
    };
    menu->cmdStart->click();
    host.onEvents = nullptr;
    EXPECT_TRUE(minimised);
    EXPECT_TRUE(resumedPaused);
    EXPECT_EQ(glbMain::gameAborted, -1);
}

// The language chosen at start-up from the locale: every case runs this program again with the
// environment of its own, and the run prints the exit question as its translation says it.
TEST(LanguageTest, ExitQuestionSpeaksTheChosenLanguage) {
    if (qEnvironmentVariableIsSet("PONIGARI_SHOW_EXIT_QUESTION")) {
        std::printf("exit question: %s|%s\n", qPrintable(QCoreApplication::translate("app::frmMenu", "確認")),
                    qPrintable(QCoreApplication::translate("app::frmMenu", "終了してもよろしいですか？")));
        return;
    }
    const QString japanese = QStringLiteral("確認|終了してもよろしいですか？");
    const QString english = QStringLiteral("Confirm|Are you sure you want to exit?");
    const struct { const char *lang, *language; const QString& expected; } cases[] = {
        {"en_US.UTF-8", "", english},
        {"de_DE.UTF-8", "", english},
        {"ja_JP.UTF-8", "", japanese},
        {"C", "", japanese},
        {"C.UTF-8", "en_US:en", japanese},  // LANGUAGE does not count under C
        {"en_US.UTF-8", "ja:en", japanese},  // the first UI language decides
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(c.lang));
        if (*c.language) environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(c.language));
        environment.insert(QStringLiteral("PONIGARI_TEST_LANG"), QStringLiteral("desktop"));
        environment.insert(QStringLiteral("PONIGARI_SHOW_EXIT_QUESTION"), QStringLiteral("1"));
        QProcess run;
        run.setProcessEnvironment(environment);
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_filter=LanguageTest.ExitQuestionSpeaksTheChosenLanguage")});
        ASSERT_TRUE(run.waitForFinished(30000));
        const QString output = QString::fromUtf8(run.readAllStandardOutput());
        const qsizetype at = output.indexOf(QStringLiteral("exit question: "));
        const QString shown = at < 0 ? QString() : output.mid(at + 15).section(QLatin1Char('\n'), 0, 0);
        EXPECT_EQ(shown, c.expected) << "LANG=" << c.lang << " LANGUAGE=" << c.language;
    }
}

TEST(CentreTest, OffsetsAreHalfTheSpareRoom) {
    EXPECT_EQ(Center_Offset(15360, 4800), 5280);
    EXPECT_EQ(Center_Offset(240, 16), 112);
    EXPECT_EQ(Center_Offset(240, 64), 88);
    EXPECT_EQ(Center_Offset(320, 69), 125.5);  // no rounding of the half
    EXPECT_LT(Center_Offset(1024, 1200), 0);
}
