// The player's preferences: the file as QSettings writes it, hand-edited files with damaged
// entries and keys claimed twice, the keys and buttons the game then hears, and the window
// キーと音 that sets them by a press of the key or button.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "input/Bindings.h"
#include "input/KeyMap.h"
#include "input/PadKeys.h"
#include "platform/LiveSound.h"
#include "platform/Platform.h"
#include "platform/ScriptedHost.h"
#include "prefs/Preferences.h"
#include "prefs/frmKeys.h"
#include "records/Windows.h"
#include "records/frmConfig.h"

using namespace prefs;
using input::Action;
using namespace platform;

namespace {

std::string Text(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

void Write(const QString& path, const std::string& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

int Key(Action action) { return input::Current_Bindings().keys[static_cast<int>(action)]; }

} // namespace

class PrefsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        path = dir.filePath(QStringLiteral("ponigari/ponigari.conf"));
        ASSERT_EQ(Preferences_File(), path);
        Apply_Preferences(Preferences{});
        InstallHost(&host);
    }
    void TearDown() override {
        Apply_Preferences(Preferences{});
        InstallHost(nullptr);
        qunsetenv("XDG_CONFIG_HOME");
    }
    Preferences Read(const std::string& text, QStringList* problems) {
        Write(dir.filePath(QStringLiteral("hand.conf")), text);
        return Read_Preferences(dir.filePath(QStringLiteral("hand.conf")), problems);
    }

    QTemporaryDir dir;
    QString path;
    ScriptedHost host;
};

// ---- the file ----

TEST_F(PrefsTest, DefaultsAreWrittenUnderTheirNamesAndReadBack) {
    ASSERT_EQ(Save_Preferences(path, Preferences{}), 0) << "the folder is made as well";
    EXPECT_EQ(Text(path),
              "[keys]\nabandon=Esc\nback=F12\ndown=Down\nfast=V\nfire=Space\nfullscreen=F\nhide=Return\nleft=Left\n"
              "pause=Ctrl\nright=Right\nup=Up\n\n"
              "[pad]\nback=Back\nfast=X, RB\nfire=A\nhide=\npause=Start\n\n"
              "[sound]\neffects=false\neffects_volume=80\nmusic_volume=100\n");
    QStringList problems;
    EXPECT_TRUE(Read_Preferences(path, &problems) == Preferences{});
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

TEST_F(PrefsTest, EveryKeyAnActionMayTakeComesBackFromTheFile) {
    // Signs QSettings quotes or escapes (, ; = \ ") among them.
    std::vector<int> keys;
    for (int k = 0x20; k <= 0xff; ++k) keys.push_back(k);
    for (int k = Qt::Key_Escape; k <= Qt::Key_F12 + 40; ++k) keys.push_back(k);
    for (int k : {Qt::Key_Muhenkan, Qt::Key_Henkan}) keys.push_back(k);
    int bindable = 0;
    for (const int key : keys) {
        if (!input::Key_Bindable(key)) continue;
        ++bindable;
        Preferences p;
        const Action holder = input::Key_Holder(p.bindings, key, Action::Fire);
        if (holder != Action::Count) p.bindings.keys[static_cast<int>(holder)] = Qt::Key_Space;
        p.bindings.keys[static_cast<int>(Action::Fire)] = key;
        ASSERT_EQ(Save_Preferences(path, p), 0);
        QStringList problems;
        EXPECT_EQ(Read_Preferences(path, &problems).bindings.keys, p.bindings.keys)
            << input::Key_Name(key).toStdString() << " written as " << Text(path);
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    }
    EXPECT_GT(bindable, 150);
    for (const int fixed : {int{Qt::Key_F7}, int{Qt::Key_F9}, int{Qt::Key_F11}, int{Qt::Key_CapsLock}, int{Qt::Key_unknown},
                            int{Qt::Key_Enter},
                            0, int{'a'}, 0xe0, 0xa0})
        EXPECT_FALSE(input::Key_Bindable(fixed)) << fixed;
}

TEST_F(PrefsTest, DamagedEntriesTakeTheirDefaultsEachWithOneLine) {
    const Preferences defaults;
    const struct {
        const char* file;
        std::vector<std::pair<Action, int>> keys;        // entries that differ from the defaults
        std::vector<std::pair<Action, uint32_t>> buttons;
        Sound sound;
        std::vector<const char*> problems;  // one line each, containing this
    } cases[] = {
        {"[keys]\nfire=Qwerty\nfast=z\n", {{Action::Fast, Qt::Key_Z}}, {}, {}, {"fire=Qwerty"}},
        {"[keys]\nfire=F9\nhide=Ctrl+Z\nback=\n", {}, {}, {}, {"fire=F9", "hide=Ctrl+Z", "back="}},
        {"[keys]\nfast=Left\n", {}, {}, {}, {"fast=Left: already the key of left; V instead"}},
        // The entry the player moved gives way, wherever it stands.
        {"[keys]\nleft=Space\n", {}, {}, {}, {"left=Space"}},
        {"[keys]\nleft=Up\nup=Up\n", {}, {}, {}, {"left=Up"}},
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
        {"[sound]\nmusic_volume=\"50, 60\"\neffects_volume=-1\n", {}, {}, {}, {"music_volume=50, 60", "effects_volume=-1"}},
        {"no section\n[keys\n=\n\x01\xff\n[keys]\nfire=Z\n", {{Action::Fire, Qt::Key_Z}}, {}, {}, {"INI"}},
    };
    for (const auto& c : cases) {
        QStringList problems;
        const Preferences read = Read(c.file, &problems);
        Preferences expected;
        for (const auto& [action, key] : c.keys) expected.bindings.keys[static_cast<int>(action)] = key;
        for (const auto& [action, buttons] : c.buttons) expected.bindings.buttons[static_cast<int>(action)] = buttons;
        expected.sound = c.sound;
        EXPECT_TRUE(read == expected) << c.file;
        ASSERT_EQ(problems.size(), static_cast<qsizetype>(c.problems.size())) << c.file << problems.join('\n').toStdString();
        for (size_t i = 0; i < c.problems.size(); ++i)
            EXPECT_TRUE(problems[static_cast<qsizetype>(i)].contains(QString::fromUtf8(c.problems[i])))
                << problems[static_cast<qsizetype>(i)].toStdString() << " lacks " << c.problems[i];
    }
}

TEST_F(PrefsTest, ReadingNeverWritesAndSavingKeepsWhatIsNotOurs) {
    const std::string damaged = "; the player's own note\n[other]\nx=1\n[keys]\nfire=Qwerty\nfast=Left\n";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    Write(path, damaged);
    QFile stamped(path);
    ASSERT_TRUE(stamped.open(QIODevice::ReadOnly));
    ASSERT_TRUE(stamped.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000), QFileDevice::FileModificationTime));
    stamped.close();
    QStringList problems;
    Read_Preferences(path, &problems);
    EXPECT_EQ(problems.size(), 2);
    EXPECT_EQ(Text(path), damaged);
    EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch(), 1000000000);

    Preferences p;
    p.bindings.keys[static_cast<int>(Action::Fire)] = Qt::Key_Z;
    ASSERT_EQ(Save_Preferences(path, p), 0);
    const std::string saved = Text(path);
    EXPECT_NE(saved.find("[other]\nx=1\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("fire=Z\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("fast=V\n"), std::string::npos) << saved;

    // Where the folder cannot be made the old file stands and the error is told.
    Write(dir.filePath(QStringLiteral("plain")), "a file, not a folder");
    EXPECT_NE(Save_Preferences(dir.filePath(QStringLiteral("plain/ponigari.conf")), p), 0);
    EXPECT_EQ(Text(dir.filePath(QStringLiteral("plain"))), "a file, not a folder");
}

// ---- what the game hears ----

TEST_F(PrefsTest, TheGameHearsTheActionsOnTheBoundKeysAndButtons) {
    input::Bindings b = input::Default_Bindings();
    b.keys[static_cast<int>(Action::Fire)] = Qt::Key_Z;
    b.keys[static_cast<int>(Action::Pause)] = Qt::Key_P;
    b.keys[static_cast<int>(Action::Hide)] = Qt::Key_Space;
    b.keys[static_cast<int>(Action::FullScreen)] = Qt::Key_G;
    b.buttons[static_cast<int>(Action::Fire)] = 1u << input::PadY;
    b.buttons[static_cast<int>(Action::Hide)] = 1u << input::PadA;
    input::Set_Bindings(b);
    const struct { int key, vk; } keys[] = {
        {Qt::Key_Z, VK_SPACE},   {Qt::Key_Space, VK_RETURN}, {Qt::Key_Return, 0},  {Qt::Key_Enter, 0},
        {Qt::Key_P, VK_CONTROL}, {Qt::Key_Control, 0},       {Qt::Key_Left, VK_LEFT}, {Qt::Key_V, VK_V},
        {Qt::Key_F7, VK_F7},     {Qt::Key_F11, VK_F11},      {Qt::Key_F, 0},       {Qt::Key_Delete, 0},
    };
    for (const auto& k : keys) EXPECT_EQ(input::VirtualKeyFromQt(k.key), k.vk) << input::Key_Name(k.key).toStdString();
    EXPECT_EQ(input::QtKeyFromVirtual(VK_CONTROL), Qt::Key_P) << "the pause a controller's Start or a lost focus sends";
    EXPECT_EQ(input::QtKeyFromVirtual(VK_RETURN), Qt::Key_Space);
    EXPECT_TRUE(input::FullScreenKey(Qt::Key_G));
    EXPECT_FALSE(input::FullScreenKey(Qt::Key_F));
    const struct { input::PadButton button; int vk; } buttons[] = {
        {input::PadLeft, VK_LEFT}, {input::PadDown, VK_DOWN}, {input::PadY, VK_SPACE}, {input::PadA, VK_RETURN},
        {input::PadX, VK_V},       {input::PadRB, VK_V},     {input::PadB, 0},        {input::PadStart, VK_CONTROL},
    };
    for (const auto& p : buttons) EXPECT_EQ(input::PadGameKey(p.button), p.vk) << p.button;
}

// ---- the window ----

class KeysWindowTest : public PrefsTest {
protected:
    void TearDown() override {
        if (window) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        PrefsTest::TearDown();
    }
    frmKeys* Open() {
        window = new frmKeys();
        window->show();
        return window;
    }
    // Clicks the action's key, then presses one.
    void Press(Action action, int key) {
        window->cmdKey[static_cast<int>(action)]->click();
        QTest::keyClick(window->cmdKey[static_cast<int>(action)], static_cast<Qt::Key>(key));
    }
    std::string Shown(Action action) { return window->cmdKey[static_cast<int>(action)]->text().toStdString(); }

    QPointer<frmKeys> window;
};

TEST_F(KeysWindowTest, AKeyIsSetByPressingItAndKeptOnOk) {
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("キーと音"));
    EXPECT_EQ(Shown(Action::Fire), "Space");
    window->cmdKey[static_cast<int>(Action::Fire)]->click();
    EXPECT_EQ(Shown(Action::Fire), "キーを押す");
    QTest::keyClick(window->cmdKey[static_cast<int>(Action::Fire)], Qt::Key_Z);
    EXPECT_EQ(Shown(Action::Fire), "Z");
    // Keys the dialog would take for itself are keys like the others while it waits.
    Press(Action::Abandon, Qt::Key_Q);
    Press(Action::Hide, Qt::Key_Escape);
    Press(Action::Pause, Qt::Key_Alt);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Shown(Action::Hide) + " " + Shown(Action::Pause), "Esc Alt");
    EXPECT_EQ(Key(Action::Fire), Qt::Key_Space) << "nothing is in force before OK";
    window->sldMusic->setValue(40);
    window->chkEffects->setChecked(true);
    EXPECT_EQ(window->lblMusic->text(), QStringLiteral("40 %"));
    window->cmdOK->click();
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    EXPECT_EQ(Key(Action::Fire), Qt::Key_Z);
    EXPECT_EQ(input::VirtualKeyFromQt(Qt::Key_Z), VK_SPACE);
    EXPECT_EQ(input::VirtualKeyFromQt(Qt::Key_Space), 0);
    EXPECT_EQ(MusicVolume(), 40);
    EXPECT_TRUE(EffectsEnabled());
    QStringList problems;
    const Preferences kept = Read_Preferences(path, &problems);
    EXPECT_TRUE(kept == Current_Preferences()) << Text(path);
    EXPECT_TRUE(problems.isEmpty());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(KeysWindowTest, AKeyOrButtonOfAnotherActionIsRefusedByName) {
    Open();
    const struct {
        std::function<void()> press;
        const char* says;
    } refusals[] = {
        {[this] { Press(Action::Fast, Qt::Key_Left); }, "「Left」は「左へ移動」に使われています。"},
        {[this] { Press(Action::Fire, Qt::Key_Enter); }, "「Return」は「ゲームを隠す」に使われています。"},
        {[this] { Press(Action::Fire, Qt::Key_F9); }, "F7～F11 はデバッグ用のキー"},
        {[this] { Press(Action::Fire, Qt::Key_CapsLock); }, "このキーは割り当てられません。"},
        {[this] {
             window->cmdButton[static_cast<int>(Action::Pause)]->click();
             window->Pad_Pressed(input::PadRB);
         },
         "「RB」ボタンは「高速モード」に使われています。"},
    };
    for (const auto& r : refusals) {
        host.boxes.clear();
        r.press();
        ASSERT_EQ(host.boxes.size(), 1u) << r.says;
        EXPECT_NE(host.boxes[0].prompt.find(r.says), std::string::npos) << host.boxes[0].prompt;
        EXPECT_EQ(host.boxes[0].title, "キーと音");
    }
    EXPECT_EQ(Shown(Action::Fast) + " " + Shown(Action::Fire), "V Space");
    EXPECT_EQ(window->cmdButton[static_cast<int>(Action::Pause)]->text(), QStringLiteral("Start"));
    // Its own key again is no clash; the one freed by a move is free.
    host.boxes.clear();
    Press(Action::Fire, Qt::Key_Space);
    Press(Action::Left, Qt::Key_A);
    Press(Action::Fast, Qt::Key_Left);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(Shown(Action::Fast), "Left");
}

TEST_F(KeysWindowTest, ButtonsAreSetFromTheControllerAndDefaultBringsBackEveryKey) {
    Open();
    const int hide = static_cast<int>(Action::Hide), fast = static_cast<int>(Action::Fast);
    EXPECT_EQ(window->cmdButton[hide]->text(), QStringLiteral("なし"));
    EXPECT_EQ(window->cmdButton[fast]->text(), QStringLiteral("X / RB"));
    window->cmdButton[hide]->click();
    EXPECT_EQ(window->cmdButton[hide]->text(), QStringLiteral("ボタンを押す"));
    // The controllers' presses reach the window waiting for one, posted.
    input::Route_PadButton(input::PadY, true);
    input::Route_PadButton(input::PadY, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->cmdButton[hide]->text(), QStringLiteral("Y"));
    window->cmdButton[fast]->click();
    QTest::keyClick(window->cmdButton[fast], Qt::Key_Delete);
    EXPECT_EQ(window->cmdButton[fast]->text(), QStringLiteral("なし"));
    Press(Action::Fire, Qt::Key_Z);
    Press(Action::FullScreen, Qt::Key_Tab);

    window->cmdDefault->click();
    EXPECT_EQ(Shown(Action::Fire) + " " + Shown(Action::FullScreen), "Space F");
    EXPECT_EQ(window->cmdButton[hide]->text() + " " + window->cmdButton[fast]->text(), QStringLiteral("なし X / RB"));
    window->cmdOK->click();
    EXPECT_TRUE(input::Current_Bindings() == input::Default_Bindings());
}

TEST_F(KeysWindowTest, CancelForgetsAndASaveThatFailsIsToldButInForce) {
    Open();
    Press(Action::Fire, Qt::Key_Z);
    window->chkEffects->setChecked(true);
    QTest::keyClick(window.data(), Qt::Key_Escape);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    EXPECT_EQ(Key(Action::Fire), Qt::Key_Space);
    EXPECT_FALSE(EffectsEnabled());
    EXPECT_FALSE(QFile::exists(path)) << "nothing written";

    Write(dir.filePath(QStringLiteral("ponigari")), "a file where the folder would be");
    Open();
    Press(Action::Fire, Qt::Key_Z);
    window->cmdOK->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_NE(host.boxes[0].prompt.find("保存できませんでした"), std::string::npos);
    EXPECT_EQ(Key(Action::Fire), Qt::Key_Z);
}

TEST_F(KeysWindowTest, TheSettingsDialogOpensItBelowItsSwitches) {
    glbSystem::Open_Config(nullptr);
    glbSystem::frmConfig* config = glbSystem::Config_Window();
    ASSERT_TRUE(config);
    EXPECT_EQ(config->cmdKeys->text(), QStringLiteral("キーと音(&K)..."));
    EXPECT_GE(config->cmdKeys->y(), config->cmdOK->geometry().bottom());
    EXPECT_GE(config->height(), config->cmdKeys->geometry().bottom());
    config->cmdKeys->click();
    window = config->findChild<frmKeys*>();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isModal());
    window->cmdCancel->click();
    EXPECT_TRUE(config->isVisible());
    config->close();
}
