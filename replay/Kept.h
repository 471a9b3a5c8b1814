#pragma once
// Every game that ends with a result (cleared or game over, not abandoned) is kept as a
// replay in the folder replays/ beside Ranking.sav, named after the local time it ended, how
// it ended and its score: YYYY-MM-DD_HHMMSS_<clear|gameover>_<score>.rpl. The replays that
// ranking rows link to (records/ReplayLinks.h) stay for good; of the others the newest
// kKeptOthers stay, and older ones are removed. Files of other names are never touched.
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "replay/Replay.h"

namespace replay {

inline constexpr int kKeptOthers = 20;

std::string Kept_Name(const std::tm& local, Ending ending, int32_t score);
bool Is_Kept_Name(std::string_view name);

// Writes the replay of a game that ended at `ended` into the folder, under the ranking's lock,
// then removes what is kept no longer. Returns the file name; empty for an abandoned game, and
// when the file could not be written, which one line on standard error tells.
std::string Keep_Replay(const Replay& r, std::time_t ended);
// The file name of the last game's replay, empty when it was not kept: the row its result
// takes links to it.
const std::string& Last_Kept();
// Removes the replays of no ranking row beyond the newest `others`. The caller holds the lock.
void Trim_Replays(int others = kKeptOthers);

} // namespace replay
