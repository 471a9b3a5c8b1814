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
using RankTable = std::array<RankRecord, 6>;
inline RankTable RankData{};

// Set while RankData holds changes that Ranking.sav could not take (registered results, an
// initialisation); loads then try to save them first, and keep the ranking in memory while
// the file does not take them.
inline int16_t rankUnsaved = 0;
// Set once the player has been told that results cannot be saved in this folder.
inline int16_t rankWarned = 0;

inline constexpr const char* RankFileName = "Ranking.sav";
inline constexpr int RankSlotSize = 76;
inline constexpr int RankDataSize = 46;
inline constexpr int RankFileSize = 5 * RankSlotSize + RankDataSize;  // 426

// Reads, checks (repairing a damaged file with its two messages) and sorts the file, writing
// it back when sorting changed it. Every change of the file is made under the lock that all
// copies of the program take (records/RankFile.h), so none undoes another's.
void Load_Rank();
// Writes the six rows into their slots. Results registered since the last save are entered
// into the file as it is now, with what other copies saved meanwhile, and RankData then holds
// what the file holds. False (after telling the player, once) when the file could not take them.
bool Save_Rank();
// Empties the ranking and the file; false when the empty file could not be written.
bool Init_Rank();

// The 46 bytes the file holds for the row, as Save_Rank writes them.
std::string Row_Bytes(const RankRecord& row);

// A low result (under 100 points, not cleared) belongs in row 0 only.
bool Is_Low(const RankRecord& result);
// The place a result takes among rows 1 to 5, or 0. An empty row is compared by the values it
// holds, like any other: at equal score and mode the new result goes above, unless it is
// cleared and the row is not.
int Place_For(const RankTable& rows, const RankRecord& result);
// Enters a result into the rows: a low one replaces row 0; another takes its place, the rows
// below moving down and the last dropping out. False when it takes no place.
bool Enter_Result(RankTable& rows, const RankRecord& result);
// Enters a registered result into RankData, and keeps it for the next Save_Rank.
void Enter_Registered(const RankRecord& result);

// A date as year/month/day with slashes, or the placeholder when it is no date of the years 100
// to 9999 (not a number, infinite, absurd).
std::string Date_Text(double date);
inline constexpr const char* DateUnknown = "?\?/?\?/??";

} // namespace glbSystem
