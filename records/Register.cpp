#include "records/Register.h"

#include "platform/Platform.h"
#include "platform/Sjis.h"
#include "platform/Types.h"

namespace glbSystem {

using namespace platform;

namespace {

// The place the result takes among rows 1 to 5, or 0. An empty row is compared by the
// values it holds, like any other: at equal score and mode the new result goes above,
// unless it is cleared and the row is not.
int PlaceFor(const RankRecord& result) {
    for (int i = 1; i <= 5; ++i) {
        const RankRecord& row = RankData[i];
        if (row.Score < result.Score) return i;
        if (row.Score == result.Score && row.Mode < result.Mode) return i;
        if (row.Score == result.Score && row.Mode == result.Mode && (row.Clear == -1 || result.Clear == 0)) return i;
    }
    return 0;
}

// Left-aligned in 20 characters.
std::string PadName(const std::string& name) {
    const std::vector<std::string> chars = Utf8_Chars(name);
    std::string padded;
    for (std::size_t i = 0; i < chars.size() && i < 20; ++i) padded += chars[i];
    if (chars.size() < 20) padded.append(20 - chars.size(), ' ');
    return padded;
}

} // namespace

bool Register_Rank(RankRecord& result) {
    Load_Rank();
    const bool low = result.Score < 100 && result.Clear == 0;
    const int place = low ? 0 : PlaceFor(result);
    if (!low && place == 0) return false;

    const std::string name = Ask_Name();
    if (Is_Blank(name)) return false;
    result.Name = PadName(name);

    if (low) {
        RankData[0] = result;
    } else {
        for (int i = 5; i > place; --i) RankData[i] = RankData[i - 1];
        RankData[place] = result;
    }
    return true;
}

std::string Ask_Name() {
    MsgBox("ランキングを更新しました！", MB_OK, "NEW RECORD !!");
    InputName.clear();
    if (!Show_GetName) return InputName;
    Show_GetName();
    NameInputDone = False;
    // Blocks in the event loop between events rather than spinning.
    while (!NameInputDone) CurrentHost().IdleEvents();
    return InputName;
}

bool Is_Blank(const std::string& text) {
    for (const std::string& c : Utf8_Chars(text))
        if (c != " " && c != "\u3000") return false;
    return true;
}

int32_t Ansi_Length(const std::string& text) { return static_cast<int32_t>(Sjis_Encode(text).size()); }

} // namespace glbSystem
