#include "app/frmMenu.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "game/glbMain.h"
#include "platform/Platform.h"
#include "records/Ranking.h"
#include "records/Register.h"
#include "records/ReplayLinks.h"
#include "records/Windows.h"
#include "replay/Kept.h"
#include "ui/Center.h"
#include "ui/Fonts.h"
#include "ui/Window.h"

namespace app {

namespace {
frmMenu* g_menu = nullptr;

void Quit() {
    if (End_Program) End_Program();
    else QCoreApplication::exit(0);
}
} // namespace

frmMenu* Menu() {
    if (!g_menu) g_menu = new frmMenu();
    return g_menu;
}

frmMenu::frmMenu() {
    setWindowTitle(tr("ぽに狩り"));
    setWindowIcon(ui::Window_Icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(ui::Gothic_Font());
    setFixedSize(192, 88);

    struct Layout { QPushButton** button; const char* caption; int x, y; const char* tip; };
    const Layout layouts[] = {
        {&cmdStart, QT_TR_NOOP("スタート(&S)"), 8, 8, QT_TR_NOOP("さぁ、ゲームの始まりです")},
        {&cmdRank, QT_TR_NOOP("ランキング(&R)"), 104, 8, QT_TR_NOOP("ランキングを表示します")},
        {&cmdConfig, QT_TR_NOOP("コンフィグ(&C)"), 8, 48, QT_TR_NOOP("各種設定を変更します")},
        {&cmdExit, QT_TR_NOOP("終了(&X)"), 104, 48, QT_TR_NOOP("ぽに狩りを終了します")},
    };
    for (const Layout& s : layouts) {
        auto* button = new QPushButton(tr(s.caption), this);
        button->setGeometry(s.x, s.y, 81, 33);
        button->setFont(ui::UI_Gothic_Font());
        button->setToolTip(tr(s.tip));
        button->setAutoDefault(false);
        *s.button = button;
    }
    cmdStart->setDefault(true);
    setTabOrder(cmdStart, cmdRank);
    setTabOrder(cmdRank, cmdConfig);
    setTabOrder(cmdConfig, cmdExit);
    cmdStart->setFocus();

    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cmdRank, &QPushButton::clicked, this, [this] { cmdRank_Click(); });
    connect(cmdConfig, &QPushButton::clicked, this, [this] { cmdConfig_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

void frmMenu::cmdStart_Click() {
    hide();
    glbSystem::RankRecord result{};
    glbMain::Run_Game(result);
    if (glbMain::gameAborted) {
        show();
        return;
    }
    // The row the result takes knows the game's kept replay.
    if (glbSystem::Register_Rank(result) && glbSystem::Save_Rank() && !replay::Last_Kept().empty())
        glbSystem::Link_Replay(result, replay::Last_Kept());
    glbSystem::Open_Rank([this] { show(); });
}

void frmMenu::cmdRank_Click() {
    hide();
    glbSystem::Open_Rank([this] { show(); });
}

void frmMenu::cmdConfig_Click() {
    hide();
    glbSystem::Open_Config([this] { show(); });
}

void frmMenu::cmdExit_Click() {
    if (platform::MsgBox(TR_TEXT("app::frmMenu", "終了してもよろしいですか？"), platform::MB_YESNO,
                         TR_TEXT("app::frmMenu", "確認")) == platform::IDYES)
        Quit();
}

void frmMenu::reject() { cmdExit_Click(); }

void frmMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    Quit();
}

} // namespace app
