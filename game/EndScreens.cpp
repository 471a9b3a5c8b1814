#include "game/EndScreens.h"

#include <string>

#include "enemies/Boss.h"
#include "game/glbMain.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "records/Ranking.h"

namespace glbMain {

using namespace platform;

namespace {

// Both endings wait this many frames after the event, so the last explosions play out.
constexpr int32_t kEndDelay = 40;

const TextId kGameOver = TR_TEXT("glbMain::EndScreens", "GAME OVER");

const TextId kGameOverTexts[] = {
    TR_TEXT("glbMain::EndScreens", "殺された…"),
    TR_TEXT("glbMain::EndScreens", "死んでしまった…"),
    TR_TEXT("glbMain::EndScreens", "あなたは、絶命しました。"),
    TR_TEXT("glbMain::EndScreens", "あなたは、志し半ばで力尽きました。"),
    TR_TEXT("glbMain::EndScreens", "あなたは、宇宙の藻屑と消えました。"),
    TR_TEXT("glbMain::EndScreens", "ふはははは！！ 残念だったな！"),
};

TextId ScoreTaunt(int32_t score) {
    if (score < 100) return TR_TEXT("glbMain::EndScreens", "ヘタクソが！！ 出直して来い！");
    if (score < 1000) return TR_TEXT("glbMain::EndScreens", "その程度の力ではガルモに会うことすらできまい！");
    if (score < 10000) return TR_TEXT("glbMain::EndScreens", "その程度の力ではガルモは倒せまい！");
    return TR_TEXT("glbMain::EndScreens", "ヒマ人め！ ゲームしかすることはないのか？！");
}

// 1 to 6 by the highest used ranking row, -1 for an empty ranking.
int RankFill() {
    for (int row = 5; row >= 0; --row)
        if (glbSystem::RankData[row].Used != 0) return row + 1;
    return -1;
}

void Ask_Judgement() {
    const int answer = MsgBox(TR_TEXT("glbMain::EndScreens", "ぽにを狩って楽しいですか？"), MB_YESNO,
                              TR_TEXT("glbMain::EndScreens", "審判"));
    // Closing the box counts as No.
    MsgBox(answer == IDYES ? TR_TEXT("glbMain::EndScreens", "一生狩ってろ！！")
                           : TR_TEXT("glbMain::EndScreens", "だったらやめやがれ！！"),
           MB_OK, kGameOver);
}

void End_Game(void (*announce)()) {
    Mci_Command("Stop");
    announce();
    Show_Score();
    gameQuit = True;
}

} // namespace

void Check_Clear() {
    // Clear does not look at gameQuit: when both endings fall due together, the game counts as won.
    // An Esc in the same frame's pause has abandoned the game, though: no boxes for a game that
    // leaves no result.
    if (BossPhase && !BossPresent && !gameAborted && gameFrame - BossDownFrame > kEndDelay) End_Game(Show_Clear);
}

void Check_GameOver() {
    if (!Player.Alive && !gameQuit && gameFrame - Player.DeathFrame > kEndDelay) End_Game(Show_GameOver);
}

void Show_Clear() {
    MsgBox(TR_TEXT("glbMain::EndScreens", "おめでとう！！\r\nぽにのボス ガルモ を殺しました。"), MB_OK,
           TR_TEXT("glbMain::EndScreens", "Mission Completed !!"));
}

void Show_Score() {
    // A blank stands where a negative score has its minus sign.
    const std::string sign = gameScore >= 0 ? " " : "";
    MsgBox(TR_TEXT("glbMain::EndScreens", "%1 Points.").Arg(sign + std::to_string(gameScore)), MB_OK,
           TR_TEXT("glbMain::EndScreens", "SCORE"));
}

void Show_GameOver() {
    const int n = RankFill();
    // One draw always; the fuller the ranking, the likelier a special text.
    const double r = Rnd();
    const bool special = n > 0 && Int(r * static_cast<float>(8 - n)) == 0;
    if (!special) {
        MsgBox(TR_TEXT("glbMain::EndScreens", "ぽにに侵食された…"), MB_OK, kGameOver);
        return;
    }
    const int k = Int(Rnd() * 8) + 1;
    if (k == 7)
        Ask_Judgement();
    else
        MsgBox(k == 8 ? ScoreTaunt(gameScore) : kGameOverTexts[k - 1], MB_OK, kGameOver);
}

} // namespace glbMain
