#pragma once
// The settings dialog: five of the six switches, applied to the live switches on OK.
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

namespace glbSystem {

class frmConfig : public QDialog {
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

    // Switches to check boxes.
    void Output_Config();
    // Check boxes to switches.
    void Input_Config();

    void cmdOK_Click();
    void cmdDefault_Click();
    void cmdCancel_Click() { close(); }

protected:
    void reject() override;                       // Esc cancels
    void closeEvent(QCloseEvent* event) override;  // every way out shows the menu again
};

// The open settings dialog, or none.
frmConfig* Config_Window();

} // namespace glbSystem
