#pragma once
// The ranking window: the six rows as Ranking.sav holds them, refresh, initialisation, the
// way back to the title menu, and the replay of a picked row.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <array>

namespace glbSystem {

class frmRank : public QDialog {
    Q_OBJECT

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
    // Plays the picked row's kept replay; disabled while the row has none.
    QPushButton* cmdReplay;

    // Reloads the ranking from the file and refreshes every label.
    void Update_Rank();

    void cmdRecover_Click();
    void cmdUpdate_Click() { Update_Rank(); }
    void cmdMenu_Click() { close(); }
    void cmdReplay_Click();

    // The row of RankData picked with the mouse or the arrow keys, -1 for none.
    int Picked() const { return picked_; }
    void Pick(int row);

    // Called as the window closes, by any way out: the opener shows itself again.
    std::function<void()> onClosed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Delete initialises; Up and Down pick a row
    void mousePressEvent(QMouseEvent* event) override;  // a click picks the row
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;                         // Esc goes back
    void closeEvent(QCloseEvent* event) override;   // the close box goes back too

private:
    void Show_Row(int i);
    void Recover();
    void Show_Replay_Button();
    // Up and Down walk the rows top to bottom; false for other keys.
    bool Walk_Rows(int key);
    int picked_ = -1;
    bool updateQueued_ = false;
    // Non-zero while an update or an initialisation waits in a message box: repaints then
    // must not start a second reload inside the first.
    int busy_ = 0;
};

// The open ranking window, or none.
frmRank* Rank_Window();

} // namespace glbSystem
