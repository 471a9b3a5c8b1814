#pragma once
// The name dialog of a new record. Ask_Name waits in the event loop until it finishes.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <string>

namespace glbSystem {

class frmGetName : public QDialog {
    Q_OBJECT

public:
    frmGetName();

    QLineEdit* txtName;
    QPushButton* cmdEnter;
    QPushButton* cmdCancel;

    // True while the dialog is being closed by its OK button.
    int16_t EnterClicked = 0;

    void cmdEnter_Click();
    void cmdCancel_Click();

    // The longest leading part of the text whose Shift-JIS length is within the limit.
    static std::string Cut_Name(const std::string& text, int32_t limit);

protected:
    void reject() override;                       // Esc cancels
    void closeEvent(QCloseEvent* event) override;  // any close other than OK cancels

private:
    void Finish();
    // Tabs, line breaks and other control characters never enter a name, typed or pasted: a
    // line break would split the name over two lines of the ranking.
    void Drop_Controls();
    // Characters the ranking file cannot hold are refused here, where the player sees it.
    bool Refuse_Unstorable(const std::string& text);
    bool finished_ = false;
};

// The open name dialog, or none.
frmGetName* GetName_Window();
// Opens a fresh name dialog, centred, without blocking.
void Open_GetName();

} // namespace glbSystem
