#pragma once
// The settings dialog: five of the six switches, applied to the live switches on OK; below
// them the way to the keys and the sound, which the player keeps from run to run.
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <functional>

namespace glbSystem {

class frmConfig : public QDialog {
    Q_OBJECT

public:
    frmConfig();

    QCheckBox* chkStar;
    QCheckBox* chkHardMode;
    QCheckBox* chkBgm;
    QCheckBox* chkEasyBlast;
    QCheckBox* chkLimitBreak;  // checked means the limiter is off
    QPushButton* cmdOK;
    QPushButton* cmdDefault;
    QPushButton* cmdCancel;
    QPushButton* cmdKeys;

    // Switches to check boxes.
    void Output_Config();
    // Check boxes to switches.
    void Input_Config();

    void cmdOK_Click();
    void cmdDefault_Click();
    void cmdCancel_Click() { close(); }
    // Opens キーと音 over the dialog.
    void cmdKeys_Click();

    // Called as the window closes, by any way out: the opener shows itself again.
    std::function<void()> onClosed;

protected:
    void reject() override;                       // Esc cancels
    void closeEvent(QCloseEvent* event) override;  // every way out goes back to the opener
};

// The open settings dialog, or none.
frmConfig* Config_Window();

} // namespace glbSystem
