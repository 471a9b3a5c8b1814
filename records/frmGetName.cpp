#include "records/frmGetName.h"

#include <QCloseEvent>
#include <QPointer>

#include "input/PadKeys.h"
#include "platform/Platform.h"
#include "platform/Sjis.h"
#include "platform/Types.h"
#include "records/Register.h"
#include "ui/Center.h"
#include "ui/Fonts.h"
#include "ui/Window.h"

namespace glbSystem {

using namespace platform;

namespace {
QPointer<frmGetName> g_open;
const TextId kInputError = TR_TEXT("glbSystem::frmGetName", "Input error");
}

frmGetName* GetName_Window() { return g_open; }

void Open_GetName() { ui::Show_Centered(new frmGetName()); }

frmGetName::frmGetName() {
    g_open = this;
    ui::Setup_Window(this, tr("ランキングに登録"));
    setFixedSize(256, 74);
    // A controller cannot type a name.
    input::Set_PadRole(this, input::PadRole::Keyboard);

    txtName = new QLineEdit(this);
    txtName->setGeometry(8, 8, 240, 24);
    txtName->setFont(ui::Mincho_Font(11));

    cmdEnter = new QPushButton(tr("&OK"), this);
    cmdEnter->setGeometry(88, 42, 76, 25);
    cmdEnter->setToolTip(tr("入力を確定します"));
    cmdEnter->setDefault(true);

    cmdCancel = new QPushButton(tr("キャンセル"), this);
    cmdCancel->setGeometry(172, 42, 76, 25);
    cmdCancel->setToolTip(tr("入力を拒否します"));

    setTabOrder(txtName, cmdEnter);
    setTabOrder(cmdEnter, cmdCancel);
    txtName->setFocus();

    connect(txtName, &QLineEdit::textChanged, this, [this] { Drop_Controls(); });
    connect(cmdEnter, &QPushButton::clicked, this, [this] { cmdEnter_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

std::string frmGetName::Cut_Name(const std::string& text, int32_t limit) {
    // A name's length is the sum of its characters' lengths, so the longest fitting start ends
    // before the first character that takes the sum past the limit: one pass, however long the
    // pasted text.
    std::string part;
    int32_t length = 0;
    for (const std::string& c : Utf8_Chars(text)) {
        length += Ansi_Length(c);
        if (length > limit) break;
        part += c;
    }
    return part;
}

void frmGetName::Drop_Controls() {
    const QString text = txtName->text();
    QString kept;
    int cursor = txtName->cursorPosition();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar::Category kind = text[i].category();
        if (kind != QChar::Other_Control && kind != QChar::Separator_Line && kind != QChar::Separator_Paragraph)
            kept += text[i];
        else if (i < txtName->cursorPosition())
            --cursor;
    }
    if (kept.size() == text.size()) return;
    txtName->setText(kept);
    txtName->setCursorPosition(cursor);
}

bool frmGetName::Refuse_Unstorable(const std::string& text) {
    std::string refused;
    const std::string fitted = Sjis_Fit(text, refused);
    if (refused.empty()) return false;
    MsgBox(TR_TEXT("glbSystem::frmGetName", "「%1」はランキングに記録できない文字です。\r\n似た文字に置き換えるか、取り除きました。")
               .Arg(refused),
           MB_OK, kInputError);
    txtName->setText(QString::fromStdString(fitted));
    txtName->setFocus();
    return true;
}

void frmGetName::cmdEnter_Click() {
    const std::string text = txtName->text().toStdString();
    if (Is_Blank(text) &&
        MsgBox(TR_TEXT("glbSystem::frmGetName",
                       "名前が入力されいてないため、スコアがランキングに記録されません。\r\nよろしいですか？"),
               MB_YESNO, TR_TEXT("glbSystem::frmGetName", "Warning !!")) != IDYES)
        return;
    if (Refuse_Unstorable(text)) return;
    // The cut stops at the limit, where the length of a pasted page would encode all of it.
    const std::string cut = Cut_Name(text, NameLimit);
    if (cut != text) {
        MsgBox(TR_TEXT("glbSystem::frmGetName", "登録名は全角%1文字か半角%2文字以内にしてください。")
                   .Arg(NameLimit / 2)
                   .Arg(NameLimit),
               MB_OK, kInputError);
        txtName->setText(QString::fromStdString(cut));
        txtName->setFocus();
        return;
    }
    InputName = text;
    EnterClicked = True;
    Finish();
}

void frmGetName::cmdCancel_Click() {
    EnterClicked = False;
    InputName.clear();
    Finish();
}

void frmGetName::Finish() {
    finished_ = true;
    close();
    NameInputDone = True;
}

void frmGetName::reject() { cmdCancel_Click(); }

void frmGetName::closeEvent(QCloseEvent* event) {
    if (!finished_ && !EnterClicked) cmdCancel_Click();
    event->accept();
}

} // namespace glbSystem
