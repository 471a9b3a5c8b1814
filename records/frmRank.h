#pragma once
// The ranking window: the six rows as Ranking.sav holds them, refresh, initialisation, and
// the way back to the title menu.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <array>

namespace glbSystem {

class frmRank : public QDialog {
public:
    frmRank();

    // Row titles; row 0, the 最下層民 row, stands at the bottom.
    QLabel *lbl1st, *lbl2nd, *lbl3rd, *lbl4th, *lbl5th, *lblPariah;
    // Column titles.
    QLabel *lblName_, *lblScore_, *lblMode_, *lblClear_, *lblDate_, *lblTime_;
    // One label per row of RankData, indexed by the row.
    std::array<QLabel*, 6> lblName{}, lblScore{}, lblMode{}, lblClear{}, lblDate{}, lblTime{};

    QPushButton* cmdRecover;
    QPushButton* cmdUpdate;
    QPushButton* cmdMenu;

    // Reloads the ranking from the file and refreshes every label.
    void Update_Rank();

    void cmdRecover_Click();
    void cmdUpdate_Click() { Update_Rank(); }
    void cmdMenu_Click() { close(); }

    // Called as the window closes, by any way out: the opener shows itself again.
    std::function<void()> onClosed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Delete initialises
    void reject() override;                         // Esc goes back
    void closeEvent(QCloseEvent* event) override;   // the close box goes back too

private:
    void Show_Row(int i);
    void Recover();
    bool updateQueued_ = false;
    // Non-zero while an update or an initialisation waits in a message box: repaints then
    // must not start a second reload inside the first.
    int busy_ = 0;
};

// The open ranking window, or none.
frmRank* Rank_Window();

} // namespace glbSystem
