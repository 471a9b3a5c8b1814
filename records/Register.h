#pragma once
// Entering a finished game's result into the ranking, with the player's name.
#include <cstdint>
#include <string>

#include "records/Ranking.h"

namespace glbSystem {

// The byte limit of a name in the ranking file.
inline constexpr int32_t NameLimit = 20;

// False while the name dialog is open; the dialog sets it when it finishes.
inline int16_t NameInputDone = 0;
// The name the dialog hands back, empty after Cancel.
inline std::string InputName;

// Opens the name dialog without blocking. The windows install it; without windows no name
// can be asked and nothing is registered.
inline void (*Show_GetName)() = nullptr;

// Returns true when RankData changed and must be saved.
bool Register_Rank(RankRecord& result);
// Announces the new record, runs the name dialog and returns InputName.
std::string Ask_Name();
// Every character a half-width or full-width blank; an empty text is blank.
bool Is_Blank(const std::string& text);
// The length of the text in Shift-JIS bytes: two for a full-width character, one otherwise.
int32_t Ansi_Length(const std::string& text);

} // namespace glbSystem
