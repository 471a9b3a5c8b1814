#include "records/frmConfig.h"

#include <QCloseEvent>
#include <QPointer>

#include "platform/Types.h"
#include "prefs/frmKeys.h"
#include "records/Config.h"
#include "ui/Center.h"
#include "ui/Window.h"

namespace glbSystem {

using platform::False;
using platform::True;

namespace {

QPointer<frmConfig> g_open;

QCheckBox* MakeBox(QWidget* parent, const QString& caption, int x, int y) {
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(x, y, 150, 22);
    return box;
}

} // namespace

frmConfig* Config_Window() { return g_open; }

frmConfig::frmConfig() {
    g_open = this;
    ui::Setup_Window(this, tr("コンフィグ"));
    setFixedSize(320, 157);

    chkStar = MakeBox(this, tr("星を描画する"), 12, 8);
    chkHardMode = MakeBox(this, tr("ハードモード"), 12, 32);
    chkBgm = MakeBox(this, tr("音楽を再生する"), 12, 56);
    chkEasyBlast = MakeBox(this, tr("爆炎を簡易描画する"), 166, 8);
    chkLimitBreak = MakeBox(this, tr("リミッタ解除"), 166, 32);

    cmdOK = ui::Make_Button(this, tr("&OK"), tr("設定を適用してメニューに戻ります"), QRect(8, 88, 96, 27));
    cmdDefault = ui::Make_Button(this, tr("デフォルト(&D)"), tr("各項目を初期値に戻します"), QRect(112, 88, 96, 27));
    cmdCancel = ui::Make_Button(this, tr("キャンセル"), tr("設定を破棄してメニューに戻ります"), QRect(216, 88, 96, 27));
    cmdOK->setDefault(true);
    cmdKeys = ui::Make_Button(this, tr("キーと音(&K)..."), tr("キー・コントローラーのボタン・音量を変更します"),
                              QRect(8, 122, 304, 27));

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdDefault, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdKeys, &QPushButton::clicked, this, [this] { cmdKeys_Click(); });

    Output_Config();
}

void frmConfig::Output_Config() {
    chkBgm->setChecked(cfgBgm != 0);
    chkStar->setChecked(cfgStar != 0);
    chkEasyBlast->setChecked(cfgEasyBlast != 0);
    chkHardMode->setChecked(cfgHardMode == 1);
    chkLimitBreak->setChecked(cfgLimiter == 0);
}

void frmConfig::Input_Config() {
    cfgBgm = chkBgm->isChecked() ? True : False;
    cfgStar = chkStar->isChecked() ? True : False;
    cfgEasyBlast = chkEasyBlast->isChecked() ? True : False;
    cfgHardMode = chkHardMode->isChecked() ? 1 : 0;
    cfgLimiter = chkLimitBreak->isChecked() ? False : True;
}

void frmConfig::cmdOK_Click() {
    Input_Config();
    close();
}

void frmConfig::cmdDefault_Click() {
    // The switches themselves take the defaults at once; a later キャンセル keeps them.
    Default_Config();
    Output_Config();
}

void frmConfig::cmdKeys_Click() { ui::Show_Centered(new prefs::frmKeys(this)); }

void frmConfig::reject() { cmdCancel_Click(); }

void frmConfig::closeEvent(QCloseEvent* event) {
    if (onClosed) onClosed();
    event->accept();
}

} // namespace glbSystem
