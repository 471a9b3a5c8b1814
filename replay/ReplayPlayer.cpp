#include "replay/ReplayPlayer.h"

#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/EnemyFire.h"
#include "enemies/Items.h"
#include "enemies/Rockets.h"
#include "enemies/Waves.h"
#include "game/GameWindow.h"
#include "platform/Random.h"
#include "player/Player.h"
#include "player/Stars.h"
#include "player/Weapons.h"

namespace replay {

using namespace platform;

void Forget_EarlierGames() {
    using namespace glbMain;
    Player = {};
    BalkanShot = {};
    Sonic = {};
    Laser = {};
    PoniTable = {};
    EnemyBalkanTable = {};
    BossRocketTable = {};
    ItemTable = {};
    BlastTable = {};
    Star = {};
    BossWander = 0;
    BossHP = PrevBossHP = BossDownFrame = 0;
    BossVx = BossVy = BossX = BossY = BossWidth = BossHeight = 0;
}

ReplayPlayer::ReplayPlayer(const Replay& replay, Host* live) : r_(replay), live_(live) {}

int32_t ReplayPlayer::TimeMs() { return live_ ? live_->TimeMs() : clock_; }

bool ReplayPlayer::KeyHeld(int vk) {
    if (vk != VK_F12) return (mask_ & MaskBit(vk)) != 0;
    // F12 is polled only by the pause hold: held when the turn's next item is an unhide.
    const EventItem* next = glbMain::gameInHold ? NextHold() : nullptr;
    if (!next || next->key != Key::Unhide) return false;
    ++holdsAt_;
    tookUnhide_ = true;
    return true;
}

int ReplayPlayer::MessageBox(const Text& prompt, const Text& title, int buttons) {
    if (trace_) trace_->Box(title.Japanese(), prompt.Japanese());
    bool yes = true;
    if (buttons == MB_YESNO) {
        while (answersAt_ < r_.answers.size() && r_.answers[answersAt_].pass < pass_) ++answersAt_;
        if (answersAt_ < r_.answers.size() && r_.answers[answersAt_].pass == pass_) yes = r_.answers[answersAt_++].yes;
    }
    // On screen the box is shown, but the game takes the recorded answer.
    if (live_) live_->MessageBox(prompt, title, buttons);
    if (buttons != MB_YESNO) return IDOK;
    return yes ? IDYES : IDNO;
}

void ReplayPlayer::MediaCommand(const std::string& command) {
    if (live_) live_->MediaCommand(command);
}

void ReplayPlayer::MediaFileName(const std::string& fileName) {
    if (live_) live_->MediaFileName(fileName);
}

void ReplayPlayer::DoEvents() {
    // The replay's events between passes are handed over at the start of the next pass.
    if (live_) live_->DoEvents();
}

void ReplayPlayer::WaitUntil(int32_t deadlineMs) {
    if (live_) live_->WaitUntil(deadlineMs);
    else if (ClockDiff(deadlineMs, clock_) > 0) clock_ = deadlineMs;
}

void ReplayPlayer::IdleEvents() {
    if (live_) live_->IdleEvents();
    if (!glbMain::gameInHold) return;
    // This turn's F12 poll took any unhide item that came first, unless the game was not
    // hidden and so never polled: the item is spent all the same.
    const EventItem* next = NextHold();
    if (!tookUnhide_ && next && next->key == Key::Unhide) {
        ++holdsAt_;
        next = NextHold();
    }
    tookUnhide_ = false;
    if (!next) throw Stopped{Stop::Stalled};
    for (; next && next->key != Key::Unhide; next = NextHold()) {
        ++holdsAt_;
        Deliver(next->key);
    }
}

void ReplayPlayer::Beep() {
    if (live_) live_->Beep();
}

void ReplayPlayer::SoundEffect(Effect effect) {
    if (live_) live_->SoundEffect(effect);
}

bool ReplayPlayer::HasFocus() { return live_ ? live_->HasFocus() : Host::HasFocus(); }

bool ReplayPlayer::KeyDownAnywhere(int vk) { return live_ ? live_->KeyDownAnywhere(vk) : Host::KeyDownAnywhere(vk); }

double ReplayPlayer::Today() { return live_ ? live_->Today() : 0; }

std::string ReplayPlayer::TimeOfDay() { return live_ ? live_->TimeOfDay() : "0:00:00"; }

void ReplayPlayer::GameStarting() {
    Randomize(r_.seed);
    pass_ = 0;
    mask_ = 0;
    keysAt_ = eventsAt_ = holdsAt_ = answersAt_ = 0;
    tookUnhide_ = false;
    if (trace_) trace_->Begin();
}

void ReplayPlayer::PassStarting() {
    pass_ = glbMain::gamePass;
    const auto& events = r_.events;
    while (eventsAt_ < events.size() && events[eventsAt_].pass < pass_) ++eventsAt_;
    while (eventsAt_ < events.size() && events[eventsAt_].pass == pass_) Deliver(events[eventsAt_++].key);
    while (keysAt_ < r_.keys.size() && r_.keys[keysAt_].pass <= pass_) mask_ = r_.keys[keysAt_++].mask;
    if (limit_ >= 0 && pass_ >= limit_ && !glbMain::gameQuit) throw Stopped{Stop::Limit};
}

void ReplayPlayer::PassEnded() {
    if (trace_) trace_->Pass();
}

const EventItem* ReplayPlayer::NextHold() {
    const auto& holds = r_.holds;
    while (holdsAt_ < holds.size() && holds[holdsAt_].pass < pass_) ++holdsAt_;
    return holdsAt_ < holds.size() && holds[holdsAt_].pass == pass_ ? &holds[holdsAt_] : nullptr;
}

namespace {

std::string Told(const EndItem& end) {
    return std::string(EndingName(end.ending)) + ", score " + std::to_string(end.score);
}

std::string Desync(const std::optional<EndItem>& recorded, const PlayOutcome& played) {
    if (!recorded || (played.stop == Stop::Limit && played.end.pass < recorded->pass)) return {};
    const EndItem& want = *recorded;
    const std::string at = "desync at pass " + std::to_string(played.end.pass) + ": ";
    const std::string ends = "the replay ends at pass " + std::to_string(want.pass) + " (" + Told(want) + ")";
    switch (played.stop) {
    case Stop::Stalled: return at + "the pause waits for keys the replay does not have; " + ends;
    case Stop::Limit: return at + "the game goes on where " + ends;
    case Stop::None: break;
    }
    if (played.end == want) return {};
    return at + "the game ended (" + Told(played.end) + ") where " + ends;
}

} // namespace

PlayOutcome Play_Replay(const Replay& replay, const PlayOptions& options) {
    using namespace glbMain;
    Forget_EarlierGames();
    Apply_Start(replay);
    ReplayPlayer player(replay, options.live);
    player.SetTrace(options.trace);
    int64_t limit = options.passLimit;
    if (replay.end && (limit < 0 || limit > replay.end->pass)) limit = replay.end->pass;
    player.SetPassLimit(limit);
    GameObserver* const observer = gameObserver;
    const bool drawing = gameDrawFrames;
    Host* const previous = InstallHost(&player);
    gameObserver = &player;
    gameDrawFrames = options.live != nullptr;

    PlayOutcome outcome;
    try {
        Run_Game(outcome.result);
        glbSystem::RankRecord result;
        outcome.end.ending = Game_Ending(result);
    } catch (const Stopped& stopped) {
        // The loop was left in the middle: close what it would have closed.
        outcome.stop = stopped.why;
        outcome.result = {};
        gameInHold = false;
        Window().SetPauseVisible(false);
        Window().Unload();
    }
    outcome.end.pass = gamePass;
    outcome.end.score = gameScore;
    outcome.desync = Desync(replay.end, outcome);
    if (options.trace) options.trace->Finish(outcome.stop);

    gameDrawFrames = drawing;
    gameObserver = observer;
    InstallHost(previous);
    return outcome;
}

} // namespace replay
