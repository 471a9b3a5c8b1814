#pragma once
// Which kept replay holds the game of each ranking row. Ranking.sav stays as it is (other
// copies and older versions read it), so the links live beside the replays, in
// replays/ranking.links: one line a row, the row's 46 bytes as Ranking.sav holds them in
// hexadecimal, a blank, and the replay's file name. A row is known by all of its bytes (name,
// score, mode, clear, date and time), so it keeps its replay wherever other copies move it.
// The links change only under the ranking's lock, and only rows the file holds keep theirs.
#include <set>
#include <string>

#include "records/Ranking.h"

namespace glbSystem {

inline constexpr const char* ReplayFolder = "replays";
inline constexpr const char* ReplayLinksFile = "replays/ranking.links";

// Links the row to the replay file of that name in the replay folder, when Ranking.sav holds
// the row. False when the links could not be saved (or the row is not in the file).
bool Link_Replay(const RankRecord& row, const std::string& fileName);
// The path of the row's replay ("replays/NAME"), empty when it has none or the file is gone.
std::string Replay_Of(const RankRecord& row);
// The file names linked to rows that Ranking.sav holds now. The caller holds the ranking's lock.
std::set<std::string> Ranked_Replays();
// Forgets every link; the replays themselves stay. The ranking was emptied.
void Drop_Replay_Links();

} // namespace glbSystem
