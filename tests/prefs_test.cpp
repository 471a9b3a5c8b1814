// The player's preferences: the file as QSettings writes it, hand-edited files with damaged
// entries and keys claimed twice, the keys and buttons the game then hears, and the window
// キーと音 that sets them by a press of the key or button.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "input/KeyMap.h"
#include "input/PadKeys.h"
#include "platform/LiveSound.h"
#include "platform/ScriptedHost.h"
#include "prefs/Preferences.h"
#include "prefs/frmKeys.h"
#include "records/frmConfig.h"

using namespace prefs;
using input::Action;
using namespace platform;

namespace {

std::string FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

void Write(const QString& path, const std::string& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

constexpr int A(Action action) { return static_cast<int>(action); }

} // namespace

class PrefsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        path = dir.filePath(QStringLiteral("ponigari/ponigari.conf"));
        ASSERT_EQ(Preferences_File(), path);
        Apply_Preferences(Preferences{});
        InstallHost(&host);
    }
    void TearDown() override {
        if (window) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Apply_Preferences(Preferences{});
        InstallHost(nullptr);
        qunsetenv("XDG_CONFIG_HOME");
    }
    // Clicks the action's key in the window, then presses one.
    void Press(Action action, int key) {
        window->cmdKey[A(action)]->click();
        QTest::keyClick(window->cmdKey[A(action)], static_cast<Qt::Key>(key));
    }
    std::string Shown(Action action) { return window->cmdKey[A(action)]->text().toStdString(); }

    QTemporaryDir dir;
    QString path;
    ScriptedHost host;
    QPointer<frmKeys> window;
};

// ---- the file ----

TEST_F(PrefsTest, DefaultsAreWrittenUnderTheirNamesAndEveryKeyComesBack) {
    ASSERT_EQ(Save_Preferences(path, Preferences{}), 0) << "the folder is made as well";
    EXPECT_EQ(FileText(path),
              "[keys]\nabandon=Esc\nback=F12\ndown=Down\nfast=V\nfire=Space\nfullscreen=F\nhide=Return\nleft=Left\n"
              "pause=Ctrl\nright=Right\nup=Up\n\n"
              "[pad]\nback=Back\nfast=X, RB\nfire=A\nhide=\npause=Start\n\n"
              "[sound]\neffects=false\neffects_volume=80\nmusic_volume=100\n");
    // Every key an action may take, signs QSettings quotes or escapes (, ; = \ ") among them.
    int bindable = 0;
    for (int key = 0x20; key <= Qt::Key_F12 + 40; key = key == 0xff ? Qt::Key_Escape : key + 1) {
        if (!input::Key_Bindable(key)) continue;
        ++bindable;
        Preferences p;
        const Action holder = input::Key_Holder(p.bindings, key, Action::Fire);
        if (holder != Action::Count) p.bindings.keys[A(holder)] = Qt::Key_Space;
        p.bindings.keys[A(Action::Fire)] = key;
        ASSERT_EQ(Save_Preferences(path, p), 0);
        QStringList problems;
        EXPECT_TRUE(Read_Preferences(path, &problems) == p) << input::Key_Name(key).toStdString() << " in " << FileText(path);
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    }
    EXPECT_GT(bindable, 150);
    // What is not ours stays.
    Write(path, "[other]\nx=1\n");
    ASSERT_EQ(Save_Preferences(path, Preferences{}), 0);
    EXPECT_NE(FileText(path).find("[other]\nx=1\n"), std::string::npos) << FileText(path);
}

TEST_F(PrefsTest, DamagedEntriesTakeTheirDefaultsEachWithOneLine) {
    const struct {
        const char* file;
        std::vector<std::pair<Action, int>> keys;  // entries that differ from the defaults
        std::vector<std::pair<Action, uint32_t>> buttons;
        Sound sound;
        std::vector<const char*> problems;  // one line each, containing this
    } cases[] = {
        {"[keys]\nfire=Qwerty\nfast=z\n", {{Action::Fast, Qt::Key_Z}}, {}, {}, {"fire=Qwerty"}},
        {"[keys]\nfire=F9\nhide=Ctrl+Z\nback=\n", {}, {}, {}, {"fire=F9", "hide=Ctrl+Z", "back="}},
        {"[keys]\nfast=Left\n", {}, {}, {}, {"fast=Left: already the key of left; V instead"}},
        // The entry the player moved gives way, wherever it stands.
        {"[keys]\nleft=Space\n", {}, {}, {}, {"left=Space"}},
        {"[keys]\nleft=Up\nup=Left\n", {{Action::Left, Qt::Key_Up}, {Action::Up, Qt::Key_Left}}, {}, {}, {}},
        // Of two moved entries the later gives way; its default may push out a third.
        {"[keys]\nleft=V\nfire=Z\nfast=Z\n", {{Action::Fire, Qt::Key_Z}}, {}, {}, {"fast=Z", "left=V"}},
        {"[pad]\nfire=Y\nhide=\nback=\"LB, Start\"\n", {}, {{Action::Fire, 1u << input::PadY}}, {}, {"back=LB, Start"}},
        {"[pad]\nfire=\"A, Left\"\npause=Select\nhide=LB\n", {}, {{Action::Hide, 1u << input::PadLB}}, {},
         {"fire=A, Left", "pause=Select"}},
        {"[pad]\nhide=RB\n", {}, {}, {}, {"hide=RB: already a button of fast; no button instead"}},
        {"[sound]\nmusic_volume=0\neffects=TRUE\neffects_volume=55\n", {}, {}, {0, true, 55}, {}},
        {"[sound]\nmusic_volume=loud\neffects=maybe\neffects_volume=101\n", {}, {}, {},
         {"music_volume=loud", "effects=maybe", "effects_volume=101"}},
        {"no section\n[keys\n=\n\x01\xff\n[keys]\nfire=Z\n", {{Action::Fire, Qt::Key_Z}}, {}, {}, {"INI"}},
    };
    for (const auto& c : cases) {
        Write(path, c.file);
        const std::string before = FileText(path);
        QStringList problems;
        Preferences expected;
        for (const auto& [action, key] : c.keys) expected.bindings.keys[A(action)] = key;
        for (const auto& [action, buttons] : c.buttons) expected.bindings.buttons[A(action)] = buttons;
        expected.sound = c.sound;
        EXPECT_TRUE(Read_Preferences(path, &problems) == expected) << c.file;
        ASSERT_EQ(problems.size(), static_cast<qsizetype>(c.problems.size())) << c.file << problems.join('\n').toStdString();
        for (size_t i = 0; i < c.problems.size(); ++i)
            EXPECT_TRUE(problems[static_cast<qsizetype>(i)].contains(QString::fromUtf8(c.problems[i])))
                << problems[static_cast<qsizetype>(i)].toStdString() << " lacks " << c.problems[i];
        EXPECT_EQ(FileText(path), before) << "reading never writes";
    }
}

// ---- the window ----

TEST_F(PrefsTest, WindowSetsAKeyByItsPressAndKeepsItOnOk) {
    glbSystem::frmConfig config;
    config.show();
    config.cmdKeys->click();
    window = config.findChild<frmKeys*>();
    ASSERT_TRUE(window && window->isVisible() && window->isModal());
    // Keys the dialog would take for itself are keys like the others while it waits.
    for (const auto& [action, key] : {std::pair{Action::Fire, Qt::Key_Z}, {Action::Abandon, Qt::Key_Q},
                                      {Action::Hide, Qt::Key_Escape}, {Action::Pause, Qt::Key_Alt},
                                      {Action::FullScreen, Qt::Key_G}})
        Press(action, key);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Shown(Action::Fire) + " " + Shown(Action::Hide) + " " + Shown(Action::Pause), "Z Esc Alt");
    window->cmdButton[A(Action::Fire)]->click();
    window->Pad_Pressed(input::PadY);
    window->sldMusic->setValue(40);
    window->chkEffects->setChecked(true);
    EXPECT_EQ(input::VirtualKeyFromQt(Qt::Key_Z), 0) << "nothing is in force before OK";
    window->cmdOK->click();
    // The game hears the actions on their new keys and buttons, and on the old ones no more.
    const struct { int key, vk; } keys[] = {{Qt::Key_Z, VK_SPACE},     {Qt::Key_Space, 0},        {Qt::Key_Escape, VK_RETURN},
                                            {Qt::Key_Return, 0},       {Qt::Key_Alt, VK_CONTROL}, {Qt::Key_F11, VK_F11}};
    for (const auto& k : keys) EXPECT_EQ(input::VirtualKeyFromQt(k.key), k.vk) << input::Key_Name(k.key).toStdString();
    EXPECT_EQ(input::QtKeyFromVirtual(VK_CONTROL), Qt::Key_Alt) << "the pause a controller's Start or a lost focus sends";
    EXPECT_TRUE(input::FullScreenKey(Qt::Key_G) && !input::FullScreenKey(Qt::Key_F));
    EXPECT_TRUE(input::PadGameKey(input::PadY) == VK_SPACE && input::PadGameKey(input::PadA) == 0);
    EXPECT_TRUE(MusicVolume() == 40 && EffectsEnabled() && host.boxes.empty());
    EXPECT_TRUE(Read_Preferences(path, nullptr) == Current_Preferences()) << FileText(path);
}

TEST_F(PrefsTest, WindowRefusesAKeyOrButtonOfAnotherActionByName) {
    window = new frmKeys();
    window->show();
    const struct { std::function<void()> press; const char* says; } refusals[] = {
        {[this] { Press(Action::Fast, Qt::Key_Left); }, "「Left」は「左へ移動」に使われています。"},
        {[this] { Press(Action::Fire, Qt::Key_Enter); }, "「Return」は「ゲームを隠す」に使われています。"},
        {[this] { Press(Action::Fire, Qt::Key_F11); }, "F7～F11 はデバッグ用のキー"},
        {[this] { Press(Action::Fire, Qt::Key_CapsLock); }, "このキーは割り当てられません。"},
        {[this] {
             window->cmdButton[A(Action::Pause)]->click();
             window->Pad_Pressed(input::PadRB);
         },
         "「RB」ボタンは「高速モード」に使われています。"},
    };
    for (const auto& r : refusals) {
        host.boxes.clear();
        r.press();
        ASSERT_EQ(host.boxes.size(), 1u) << r.says;
        EXPECT_NE(host.boxes[0].prompt.find(r.says), std::string::npos) << host.boxes[0].prompt;
    }
    EXPECT_EQ(Shown(Action::Fast) + " " + Shown(Action::Fire), "V Space");
    EXPECT_EQ(window->cmdButton[A(Action::Pause)]->text(), QStringLiteral("Start"));
    Press(Action::Left, Qt::Key_A);
    Press(Action::Fast, Qt::Key_Left);
    EXPECT_EQ(Shown(Action::Fast), "Left") << "a key freed by a move is free";
}

TEST_F(PrefsTest, WindowTakesButtonsFromTheControllerRestoresDefaultsAndForgetsOnCancel) {
    window = new frmKeys();
    window->show();
    const int hide = A(Action::Hide), fast = A(Action::Fast);
    // While a key is awaited, A and B are not Space and Esc typed on the button in focus.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->cmdKey[fast]->setFocus();
    window->cmdKey[fast]->click();
    for (const input::PadButton button : {input::PadA, input::PadB}) {
        input::Route_PadButton(button, true);
        input::Route_PadButton(button, false);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(Action::Fast), "キーを押す");
    window->cmdButton[hide]->click();
    // The controllers' presses reach the window waiting for one, posted.
    input::Route_PadButton(input::PadY, true);
    input::Route_PadButton(input::PadY, false);
    QCoreApplication::processEvents();
    window->cmdButton[fast]->click();
    QTest::keyClick(window->cmdButton[fast], Qt::Key_Delete);
    EXPECT_EQ(window->cmdButton[hide]->text() + " " + window->cmdButton[fast]->text(), QStringLiteral("Y なし"));
    Press(Action::FullScreen, Qt::Key_Tab);
    window->cmdDefault->click();
    EXPECT_EQ(Shown(Action::FullScreen), "F");
    EXPECT_EQ(window->cmdButton[hide]->text() + " " + window->cmdButton[fast]->text(), QStringLiteral("なし X / RB"));

    Press(Action::Fire, Qt::Key_Z);
    QTest::keyClick(window.data(), Qt::Key_Escape);
    EXPECT_TRUE(Current_Preferences() == Preferences{} && !QFile::exists(path)) << "Esc forgets, writes nothing";

    // A save that fails is told; the choices are in force for this run all the same.
    Write(dir.filePath(QStringLiteral("ponigari")), "a file where the folder would be");
    window = new frmKeys();
    Press(Action::Fire, Qt::Key_Z);
    window->cmdOK->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_NE(host.boxes[0].prompt.find("保存できませんでした"), std::string::npos);
    EXPECT_EQ(input::VirtualKeyFromQt(Qt::Key_Z), VK_SPACE);
}
