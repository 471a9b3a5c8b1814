#include "records/Register.h"

#include "platform/Platform.h"
#include "platform/Sjis.h"
#include "platform/Types.h"

namespace glbSystem {

using namespace platform;

namespace {

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
    if (!Is_Low(result) && Place_For(RankData, result) == 0) return false;

    const std::string name = Ask_Name();
    if (Is_Blank(name)) return false;
    result.Name = PadName(name);
    Enter_Registered(result);
    return true;
}

std::string Ask_Name() {
    MsgBox(TR_TEXT("glbSystem::Register", "ランキングを更新しました！"), MB_OK, TR_TEXT("glbSystem::Register", "NEW RECORD !!"));
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
