#include "app/Watch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <cmath>
#include <tuple>

#include "game/FieldView.h"
#include "game/GameWindow.h"
#include "game/frmMain.h"
#include "input/KeyMap.h"
#include "records/Config.h"
#include "records/Ranking.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "ui/Translate.h"

namespace app {

using namespace platform;

WatchHost::WatchHost(Host& live) : RelayHost(live), real_(live.TimeMs()), now_(real_) {}

void WatchHost::Advance() {
    const int32_t real = Inner().TimeMs();
    const int32_t step = ClockDiff(real, real_);
    real_ = real;
    if (!paused_)
        now_ = static_cast<int32_t>(static_cast<uint32_t>(now_) + static_cast<uint32_t>(step * (fast_ ? kFast : 1)));
}

// The time so far runs at the pace it ran at; the new pace counts from now.
void WatchHost::SetPaused(bool paused) {
    Advance();
    paused_ = paused;
}

void WatchHost::SetFast(bool fast) {
    Advance();
    fast_ = fast;
}

void WatchHost::Check() const {
    if (stopping_) throw replay::Stopped{replay::Stop::Limit};
}

void WatchHost::Hold() {
    while (paused_ && !stopping_) Inner().IdleEvents();
    Check();
}

int32_t WatchHost::TimeMs() {
    Advance();
    return now_;
}

void WatchHost::DoEvents() {
    Inner().DoEvents();
    Hold();
}

void WatchHost::WaitUntil(int32_t deadlineMs) {
    Hold();
    Advance();
    const int32_t left = ClockDiff(deadlineMs, now_);
    const int speed = fast_ ? kFast : 1;
    if (left > 0) Inner().WaitUntil(real_ + (left + speed - 1) / speed);
    else Inner().DoEvents();
    Hold();
}

void WatchHost::IdleEvents() {
    Inner().IdleEvents();
    Hold();
}

ReplayWatch::ReplayWatch(platform::Host& live) : live_(live), host_(live) {
    qApp->installEventFilter(this);
    if (auto* window = dynamic_cast<glbMain::LiveGameWindow*>(&glbMain::Window()))
        window->onLoad = [this](glbMain::frmMain& form) { Dress(form); };
}

ReplayWatch::~ReplayWatch() {
    qApp->removeEventFilter(this);
    if (auto* window = dynamic_cast<glbMain::LiveGameWindow*>(&glbMain::Window())) window->onLoad = nullptr;
    // A replay cut short leaves its music playing.
    live_.MediaCommand("Stop");
}

void ReplayWatch::Key(int qtKey, bool down) {
    // The player's keys for pause, fast and abandon, wherever they put them.
    switch (input::VirtualKeyFromQt(qtKey)) {
    case platform::VK_CONTROL:
        if (down) host_.SetPaused(!host_.Paused());
        break;
    case platform::VK_V: host_.SetFast(down); break;
    case platform::VK_ESCAPE:
        if (down) host_.Stop();
        break;
    default: return;
    }
    Show_Mark();
}

bool ReplayWatch::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* form = widget ? dynamic_cast<glbMain::frmMain*>(widget->window()) : nullptr;
    if (!form) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: {
        auto* key = static_cast<QKeyEvent*>(event);
        // F still switches full screen; no other key reaches the game.
        if (input::FullScreenKey(key->key())) return false;
        // The Ctrl the game window sends itself when the focus goes pauses a game, not the
        // watching: a replay watched beside other work plays on.
        const bool focusGone = !event->spontaneous() && !live_.HasFocus();
        if (event->type() != QEvent::ShortcutOverride && !key->isAutoRepeat() && !focusGone)
            Key(key->key(), event->type() == QEvent::KeyPress);
        return true;
    }
    case QEvent::Close:
        // The window stays until the playback has unwound; closing it stops the watching.
        event->ignore();
        host_.Stop();
        return true;
    case QEvent::WindowDeactivate:
        // A V released in another window never comes here. Fast ends itself, not through the
        // keys: the player may have put it elsewhere than V.
        if (watched == form && host_.Fast()) {
            host_.SetFast(false);
            Show_Mark();
        }
        return false;
    case QEvent::Resize:
        if (watched == form) Show_Mark();
        return false;
    default: return false;
    }
}

void ReplayWatch::Dress(glbMain::frmMain& form) {
    form.setWindowTitle(tr("リプレイ"));
    mark_ = new QLabel(&form);
    mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Show_Mark();
    mark_->show();
}

void ReplayWatch::Show_Mark() {
    if (!mark_) return;
    const QWidget* form = mark_->parentWidget();
    // It grows with the field as the pause label does: the field's scale in the window's own
    // pixels, which on a high-density screen need not be a whole number.
    const double scale =
        glbMain::FieldView::Placement(form->size(), form->devicePixelRatio()).width() / glbMain::FieldWidth;
    const auto pixels = [scale](double n) { return static_cast<int>(std::lround(n * scale)); };
    const QString text = host_.Paused() ? tr("REPLAY ||")
                         : host_.Fast() ? tr("REPLAY x%1").arg(WatchHost::kFast)
                                        : tr("REPLAY");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels(8));
    font.setBold(true);
    mark_->setFont(font);
    mark_->setText(text);
    mark_->setStyleSheet(QStringLiteral("color: #ffe060; background-color: rgba(0, 0, 0, 150); padding: %1px %2px;")
                             .arg(pixels(1))
                             .arg(pixels(2)));
    mark_->adjustSize();
    mark_->move(pixels(2), pixels(2));
    mark_->raise();
}

namespace {

const TextId kError = TR_TEXT("app::Watch", "Error !!");

// The parts of a box's text are words of their own, put in the player's language as they go in.
std::string Shown(const Text& part) { return ui::Translated(part).toStdString(); }

TextId Ending_Text(replay::Ending ending) {
    switch (ending) {
    case replay::Ending::Clear: return TR_TEXT("app::Watch", "クリア");
    case replay::Ending::GameOver: return TR_TEXT("app::Watch", "ゲームオーバー");
    case replay::Ending::Aborted: break;
    }
    return TR_TEXT("app::Watch", "中断");
}

std::string Told(const replay::EndItem& end) {
    return Shown(TR_TEXT("app::Watch", "%1、スコア %2（%3 フレーム）")
                     .Arg(Shown(Ending_Text(end.ending)))
                     .Arg(end.score)
                     .Arg(end.pass));
}

// Where the playback parted from the replay's end line, for the player.
Text Parted_Text(const replay::EndItem& recorded, const replay::PlayOutcome& played) {
    std::string how;
    switch (played.stop) {
    case replay::Stop::Stalled: how = Shown(TR_TEXT("app::Watch", "一時停止のまま、記録にないキー操作を待って止まりました")); break;
    case replay::Stop::Limit: how = Shown(TR_TEXT("app::Watch", "記録の終わりを過ぎてもゲームが続きました")); break;
    case replay::Stop::None: how = Told(played.end); break;
    }
    return TR_TEXT("app::Watch", "このリプレイは記録された結果のとおりに再生されませんでした。\r\n"
                                 "ファイルが書き換えられたか壊れているか、ルールの違う版で記録されたものです。\r\n\r\n"
                                 "記録：%1\r\n再生：%2\r\n\r\n%3 フレーム目で記録と分かれました。")
        .Arg(Told(recorded))
        .Arg(how)
        .Arg(played.end.pass);
}

} // namespace

void Watch_Kept_Replay(const std::string& path) {
    replay::Replay r;
    if (const std::string why = replay::Read_ReplayFile(path, r); !why.empty()) {
        MsgBox(TR_TEXT("app::Watch", "リプレイを読み込めませんでした。\r\n\r\n%1").Arg(why), MB_OK, kError);
        return;
    }
    // The replay starts from its own settings and ranking rows; the player's come back after it.
    using namespace glbSystem;
    const RankTable rows = RankData;
    const auto switches = std::tuple{cfgBgm, cfgStar, cfgRefresh, cfgEasyBlast, cfgHardMode, cfgLimiter};
    Host& live = CurrentHost();
    replay::PlayOutcome outcome;
    {
        ReplayWatch watch(live);
        outcome = replay::Play_Replay(r, {&watch.Host()});
    }
    RankData = rows;
    std::tie(cfgBgm, cfgStar, cfgRefresh, cfgEasyBlast, cfgHardMode, cfgLimiter) = switches;
    if (!outcome.desync.empty()) MsgBox(Parted_Text(*r.end, outcome), MB_OK, kError);
}

} // namespace app
