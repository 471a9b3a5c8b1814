#pragma once
// One ranking entry or one finished game's result, and the six rows of the ranking.
#include <array>
#include <cstdint>
#include <string>

namespace glbSystem {

struct RankRecord {
    int16_t Used = 0;   // truth value
    std::string Name;   // UTF-8; 20 characters once filled (padded with blanks)
    int32_t Score = 0;
    int16_t Mode = 0;   // 0 normal, 1 hard
    int16_t Clear = 0;  // truth value: the boss was destroyed
    double Date = 0;    // days since 1899-12-30
    std::string Time;   // "H:mm:ss" right-aligned in 8 characters
};

// Row 0 is the bottom row for very poor results; rows 1 to 5 are the places, best first.
inline std::array<RankRecord, 6> RankData{};

void Load_Rank();
void Save_Rank();
void Init_Rank();

} // namespace glbSystem
