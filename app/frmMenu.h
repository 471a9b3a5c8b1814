#pragma once
// The title menu: start a game, open the ranking or the settings, or leave.
#include <QDialog>
#include <QPushButton>

namespace app {

class frmMenu : public QDialog {
    Q_OBJECT

public:
    frmMenu();

    QPushButton* cmdStart;
    QPushButton* cmdRank;
    QPushButton* cmdConfig;
    QPushButton* cmdExit;

    void cmdStart_Click();
    void cmdRank_Click();
    void cmdConfig_Click();
    void cmdExit_Click();

protected:
    void reject() override;                       // Esc presses 終了
    void closeEvent(QCloseEvent* event) override;  // the close box ends the program at once
};

// The one title menu of the run.
frmMenu* Menu();

// Where the program goes when it ends at once (Exit, or the menu's close box). The live
// program quits its event loop; tests replace it to watch.
inline void (*End_Program)() = nullptr;

} // namespace app
