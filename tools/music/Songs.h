#pragma once
// The game's two pieces.
#include "Score.h"

namespace music {

// 迎撃戦: the stage, A minor, 32 bars at about 152 beats a minute.
Song StageTheme();
// ボス戦: the boss, D minor, 32 bars at about 185 beats a minute.
Song BossTheme();

} // namespace music
