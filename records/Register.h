#pragma once
// Entering a finished game's result into the ranking.
#include <string>

#include "records/Ranking.h"

namespace glbSystem {

// Returns true when RankData changed and must be saved.
bool Register_Rank(RankRecord& result);

} // namespace glbSystem
