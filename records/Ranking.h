#pragma once
// One ranking entry or one finished game's result, the six rows of the ranking, and the
// ranking file Ranking.sav that every use reads afresh.
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
    // The name and time bytes as the file held them. While the text is unchanged they are
    // written back as they were, so bytes that are no Shift-JIS character survive a rewrite.
    std::string NameBytes;
    std::string TimeBytes;
};

// Row 0 is the bottom row for very poor results; rows 1 to 5 are the places, best first.
inline std::array<RankRecord, 6> RankData{};

// Set while RankData holds changes that Ranking.sav could not take; loads then keep the
// ranking in memory instead of the older file.
inline int16_t rankUnsaved = 0;
// Set once the player has been told that results cannot be saved in this folder.
inline int16_t rankWarned = 0;

inline constexpr const char* RankFileName = "Ranking.sav";
inline constexpr int RankSlotSize = 76;
inline constexpr int RankDataSize = 46;
inline constexpr int RankFileSize = 5 * RankSlotSize + RankDataSize;  // 426

// Reads, checks (repairing a damaged file with its two messages), sorts and rewrites the file.
void Load_Rank();
// Writes the six rows into their slots; false (after telling the player, once) when the file
// could not take them.
bool Save_Rank();
// Empties the ranking and the file; false when the empty file could not be written.
bool Init_Rank();

// A date as year/month/day with slashes, or the placeholder when it is no date of the years 100
// to 9999 (not a number, infinite, absurd).
std::string Date_Text(double date);
inline constexpr const char* DateUnknown = "?\?/?\?/??";

} // namespace glbSystem
