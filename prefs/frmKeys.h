#pragma once
// The window キーと音: the keys and controller buttons of the game's actions, the music's and
// the effects' volumes, and whether effects play. Opened from the settings dialog; OK puts
// them in force and keeps them in the preferences file, キャンセル forgets the changes.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <array>

#include "input/Bindings.h"
#include "platform/Text.h"

namespace prefs {

class frmKeys : public QDialog {
    Q_OBJECT

public:
    explicit frmKeys(QWidget* opener = nullptr);
    ~frmKeys() override;

    // By action; cmdButton only for the actions a controller button may take.
    std::array<QPushButton*, input::kActionCount> cmdKey{};
    std::array<QPushButton*, input::kActionCount> cmdButton{};
    QSlider* sldMusic;
    QLabel* lblMusic;  // the music's volume in per cent
    QCheckBox* chkEffects;
    QSlider* sldEffects;
    QLabel* lblEffects;
    QPushButton* cmdDefault;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // A click on an action's key (or button) waits for the player to press the new one.
    void cmdKey_Click(input::Action action);
    void cmdButton_Click(input::Action action);
    // What the player pressed while the window waited: taken, or refused with a box that says why.
    void Key_Pressed(int qtKey);
    void Pad_Pressed(input::PadButton button);
    void cmdDefault_Click();
    void cmdOK_Click();
    void cmdCancel_Click() { close(); }

    // The action's name as the window shows it: "発射" (or its translation).
    static QString Action_Caption(input::Action action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;  // Esc cancels, unless the window waits for a key
    void closeEvent(QCloseEvent* event) override;

private:
    void Output_Bindings();
    void Stop_Waiting();
    void Refuse(const platform::Text& prompt);

    input::Bindings shown_;
    // The action waiting for its new key or button; Action::Count when none.
    input::Action waiting_ = input::Action::Count;
    bool waitingForButton_ = false;
};

} // namespace prefs
