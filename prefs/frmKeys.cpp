#include "prefs/frmKeys.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <cstring>

#include "input/PadKeys.h"
#include "platform/Platform.h"
#include "prefs/Preferences.h"
#include "ui/Translate.h"
#include "ui/Window.h"

namespace prefs {

using input::Action;

namespace {

constexpr platform::TextId kTitle = TR_TEXT("prefs::frmKeys", "キーと音");

constexpr std::array<const char*, input::kActionCount> kCaptions{
    QT_TRANSLATE_NOOP("prefs::frmKeys", "左へ移動"),     QT_TRANSLATE_NOOP("prefs::frmKeys", "上へ移動"),
    QT_TRANSLATE_NOOP("prefs::frmKeys", "右へ移動"),     QT_TRANSLATE_NOOP("prefs::frmKeys", "下へ移動"),
    QT_TRANSLATE_NOOP("prefs::frmKeys", "発射"),         QT_TRANSLATE_NOOP("prefs::frmKeys", "高速モード"),
    QT_TRANSLATE_NOOP("prefs::frmKeys", "一時停止"),     QT_TRANSLATE_NOOP("prefs::frmKeys", "ゲームを隠す"),
    QT_TRANSLATE_NOOP("prefs::frmKeys", "隠したゲームを戻す"), QT_TRANSLATE_NOOP("prefs::frmKeys", "ゲームをやめる"),
    QT_TRANSLATE_NOOP("prefs::frmKeys", "全画面表示"),
};

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QRect& place) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(place);
    return label;
}

QSlider* MakeSlider(QWidget* parent, QLabel* level, const QRect& place) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setGeometry(place);
    slider->setRange(0, 100);
    slider->setSingleStep(5);
    slider->setPageStep(10);
    QObject::connect(slider, &QSlider::valueChanged, level,
                     [level](int value) { level->setText(QStringLiteral("%1 %").arg(value)); });
    return slider;
}

} // namespace

QString frmKeys::Action_Caption(Action action) { return tr(kCaptions[static_cast<int>(action)]); }

frmKeys::frmKeys(QWidget* opener) : QDialog(opener) {
    ui::Setup_Window(this, ui::Translated(kTitle));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(472, 389);

    // The keyboard: the moves, fire and fast on the left, the keys of the game's course on the right.
    auto* keys = new QGroupBox(tr("キーボード"), this);
    keys->setGeometry(8, 8, 456, 178);
    const QString keyTip = tr("クリックしてから、割り当てるキーを押します");
    for (int a = 0; a < input::kActionCount; ++a) {
        const int column = a < 6 ? 0 : 1, row = a < 6 ? a : a - 6, x = 10 + column * 222, y = 20 + row * 26;
        MakeLabel(keys, Action_Caption(Action(a)), QRect(x, y, 112, 22));
        cmdKey[a] = ui::Make_Button(keys, QString(), keyTip, QRect(x + 114, y, 96, 22));
        cmdKey[a]->installEventFilter(this);
        connect(cmdKey[a], &QPushButton::clicked, this, [this, a] { cmdKey_Click(Action(a)); });
    }
    MakeLabel(keys, tr("F7～F11 はデバッグ用（固定）"), QRect(232, 150, 206, 22));

    auto* pad = new QGroupBox(tr("コントローラー"), this);
    pad->setGeometry(8, 192, 224, 156);
    const QString buttonTip = tr("クリックしてから、割り当てるボタンを押します（Delete キーで「なし」）");
    for (size_t i = 0; i < input::kPadActions.size(); ++i) {
        const Action action = input::kPadActions[i];
        const int a = static_cast<int>(action), y = 20 + static_cast<int>(i) * 26;
        MakeLabel(pad, Action_Caption(action), QRect(10, y, 110, 22));
        cmdButton[a] = ui::Make_Button(pad, QString(), buttonTip, QRect(126, y, 88, 22));
        cmdButton[a]->installEventFilter(this);
        connect(cmdButton[a], &QPushButton::clicked, this, [this, action] { cmdButton_Click(action); });
    }

    auto* sound = new QGroupBox(tr("音"), this);
    sound->setGeometry(240, 192, 224, 156);
    MakeLabel(sound, tr("音楽の音量"), QRect(10, 20, 204, 22));
    lblMusic = MakeLabel(sound, QString(), QRect(170, 44, 44, 22));
    sldMusic = MakeSlider(sound, lblMusic, QRect(10, 44, 154, 22));
    chkEffects = new QCheckBox(tr("効果音を鳴らす"), sound);
    chkEffects->setGeometry(10, 74, 204, 22);
    MakeLabel(sound, tr("効果音の音量"), QRect(10, 100, 204, 22));
    lblEffects = MakeLabel(sound, QString(), QRect(170, 124, 44, 22));
    sldEffects = MakeSlider(sound, lblEffects, QRect(10, 124, 154, 22));
    connect(chkEffects, &QCheckBox::toggled, sldEffects, &QSlider::setEnabled);

    cmdDefault = ui::Make_Button(this, tr("既定に戻す(&D)"), tr("キーとボタンを初期値に戻します"),
                                 QRect(8, 354, 120, 27));
    cmdOK = ui::Make_Button(this, tr("&OK"), tr("設定を保存してコンフィグに戻ります"),
                            QRect(264, 354, 96, 27));
    cmdCancel = ui::Make_Button(this, tr("キャンセル"), tr("変更を破棄してコンフィグに戻ります"),
                                QRect(368, 354, 96, 27));
    cmdOK->setDefault(true);
    connect(cmdDefault, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    const Preferences now = Current_Preferences();
    shown_ = now.bindings;
    Output_Bindings();
    sldMusic->setValue(now.sound.musicVolume);
    lblMusic->setText(QStringLiteral("%1 %").arg(now.sound.musicVolume));
    chkEffects->setChecked(now.sound.effects);
    sldEffects->setValue(now.sound.effectsVolume);
    sldEffects->setEnabled(now.sound.effects);
    lblEffects->setText(QStringLiteral("%1 %").arg(now.sound.effectsVolume));
}

frmKeys::~frmKeys() {
    if (waitingForButton_) input::Catch_PadButtons(nullptr);
}

void frmKeys::Output_Bindings() {
    for (int a = 0; a < input::kActionCount; ++a) {
        cmdKey[a]->setText(input::Key_Name(shown_.keys[a]));
        const QStringList buttons = input::Button_Names(shown_.buttons[a]);
        if (cmdButton[a]) cmdButton[a]->setText(buttons.isEmpty() ? tr("なし") : buttons.join(QStringLiteral(" / ")));
    }
    if (waiting_ == Action::Count) return;
    const int a = static_cast<int>(waiting_);
    if (waitingForButton_) cmdButton[a]->setText(tr("ボタンを押す"));
    else cmdKey[a]->setText(tr("キーを押す"));
}

void frmKeys::cmdKey_Click(Action action) {
    const bool again = waiting_ == action && !waitingForButton_;
    Stop_Waiting();
    if (again) return;  // a second click takes back the first
    waiting_ = action;
    // A controller's A and B would reach the button as Space and Esc, typed keys to the question.
    input::Set_PadRole(this, input::PadRole::Keyboard);
    Output_Bindings();
}

void frmKeys::cmdButton_Click(Action action) {
    const bool again = waiting_ == action && waitingForButton_;
    Stop_Waiting();
    if (again) return;
    waiting_ = action;
    waitingForButton_ = true;
    input::Catch_PadButtons([this](input::PadButton button) { Pad_Pressed(button); });
    Output_Bindings();
}

void frmKeys::Stop_Waiting() {
    if (waitingForButton_) input::Catch_PadButtons(nullptr);
    input::Set_PadRole(this, input::PadRole::Buttons);
    waiting_ = Action::Count;
    waitingForButton_ = false;
    Output_Bindings();
}

void frmKeys::Refuse(const platform::Text& prompt) {
    Stop_Waiting();
    platform::MsgBox(prompt, platform::MB_OK, kTitle);
}

void frmKeys::Key_Pressed(int qtKey) {
    if (waiting_ == Action::Count || waitingForButton_) return;
    const int key = input::Plain_Key(qtKey);
    if (input::Debug_Key(key))
        return Refuse(TR_TEXT("prefs::frmKeys", "F7～F11 はデバッグ用のキーなので、割り当てられません。"));
    if (!input::Key_Bindable(key)) return Refuse(TR_TEXT("prefs::frmKeys", "このキーは割り当てられません。"));
    const Action holder = input::Key_Holder(shown_, key, waiting_);
    if (holder != Action::Count)
        return Refuse(TR_TEXT("prefs::frmKeys", "「%1」は「%2」に使われています。\r\n別のキーを選んでください。")
                          .Arg(input::Key_Name(key).toStdString())
                          .Arg(Action_Caption(holder).toStdString()));
    shown_.keys[static_cast<int>(waiting_)] = key;
    Stop_Waiting();
}

void frmKeys::Pad_Pressed(input::PadButton button) {
    if (waiting_ == Action::Count || !waitingForButton_ || !input::Button_Bindable(button)) return;
    const Action holder = input::Buttons_Holder(shown_, 1u << button, waiting_);
    if (holder != Action::Count)
        return Refuse(TR_TEXT("prefs::frmKeys", "「%1」ボタンは「%2」に使われています。\r\n別のボタンを選んでください。")
                          .Arg(input::Button_Names(1u << button).join(QString()).toStdString())
                          .Arg(Action_Caption(holder).toStdString()));
    shown_.buttons[static_cast<int>(waiting_)] = 1u << button;
    Stop_Waiting();
}

bool frmKeys::eventFilter(QObject* watched, QEvent* event) {
    if (waiting_ == Action::Count) return QDialog::eventFilter(watched, event);
    const int a = static_cast<int>(waiting_);
    if (watched != (waitingForButton_ ? cmdButton[a] : cmdKey[a])) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key is the answer, Alt and the underlined letters too.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) return true;
        if (!waitingForButton_) {
            Key_Pressed(key->key());
        } else if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            shown_.buttons[a] = 0;
            Stop_Waiting();
        } else if (key->key() == Qt::Key_Escape) {
            Stop_Waiting();
        }
        return true;
    }
    case QEvent::KeyRelease: return true;  // a Space let go must not click the button again
    case QEvent::FocusOut:
        // Elsewhere the question is over.
        Stop_Waiting();
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmKeys::cmdDefault_Click() {
    Stop_Waiting();
    shown_ = input::Default_Bindings();
    Output_Bindings();
}

void frmKeys::cmdOK_Click() {
    Stop_Waiting();
    Preferences chosen;
    chosen.bindings = shown_;
    chosen.sound = {sldMusic->value(), chkEffects->isChecked(), sldEffects->value()};
    Apply_Preferences(chosen);
    const QString path = Preferences_File();
    if (const int error = Save_Preferences(path, chosen))
        platform::MsgBox(TR_TEXT("prefs::frmKeys", "設定を「%1」に保存できませんでした（%2）。\r\n"
                                                   "この設定はプログラムを終了するまでの間だけ使われます。")
                             .Arg(QFile::encodeName(path).toStdString())
                             .Arg(std::strerror(error)),
                         platform::MB_OK, TR_TEXT("prefs::frmKeys", "Error !!"));
    close();
}

void frmKeys::reject() { cmdCancel_Click(); }

void frmKeys::closeEvent(QCloseEvent* event) {
    Stop_Waiting();
    event->accept();
}

} // namespace prefs
