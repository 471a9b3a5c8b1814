#include "records/Ranking.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/Sjis.h"
#include "platform/Types.h"
#include "records/RankFile.h"

namespace glbSystem {

using namespace platform;

namespace {

constexpr int kNameBytes = 20;
constexpr int kTimeBytes = 8;

// The file's length at the last load, for the check that follows it.
int64_t loadedLength = 0;

template <typename T>
T ReadLe(const char* at) {
    using U = std::make_unsigned_t<T>;
    U value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<U>(static_cast<unsigned char>(at[i])) << (8 * i);
    return static_cast<T>(value);
}

template <typename T>
void WriteLe(std::string& out, T value) {
    const auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

// Decoded text padded with blanks to the field's character count.
std::string FieldText(const std::string& bytes, std::size_t chars) {
    std::string text = Sjis_Decode(bytes);
    const std::size_t count = Utf8_Chars(text).size();
    if (count < chars) text.append(chars - count, ' ');
    return text;
}

// The bytes of a text field: as read, while the text is what they decode to; else encoded.
std::string FieldBytes(const std::string& text, const std::string& read, std::size_t size) {
    if (read.size() == size && FieldText(read, size) == text) return read;
    return Sjis_Field(text, size);
}

RankRecord DecodeRow(const char* slot) {
    RankRecord row;
    row.Used = ReadLe<int16_t>(slot);
    row.NameBytes.assign(slot + 2, kNameBytes);
    row.Name = FieldText(row.NameBytes, kNameBytes);
    row.Score = ReadLe<int32_t>(slot + 22);
    row.Mode = ReadLe<int16_t>(slot + 26);
    row.Clear = ReadLe<int16_t>(slot + 28);
    row.Date = std::bit_cast<double>(ReadLe<uint64_t>(slot + 30));
    row.TimeBytes.assign(slot + 38, kTimeBytes);
    row.Time = FieldText(row.TimeBytes, kTimeBytes);
    return row;
}

std::string EncodeRow(const RankRecord& row) {
    std::string out;
    WriteLe(out, row.Used);
    out += FieldBytes(row.Name, row.NameBytes, kNameBytes);
    WriteLe(out, row.Score);
    WriteLe(out, row.Mode);
    WriteLe(out, row.Clear);
    WriteLe(out, std::bit_cast<uint64_t>(row.Date));
    out += FieldBytes(row.Time, row.TimeBytes, kTimeBytes);
    return out;
}

RankRecord EmptyRow() {
    static const std::string zeros(RankDataSize, '\0');
    return DecodeRow(zeros.data());
}

void Clear_Rank() {
    for (RankRecord& row : RankData) row = EmptyRow();
}

void Warn_Unsaved() {
    if (rankWarned) return;
    rankWarned = True;
    MsgBox("このフォルダでは「Ranking.sav」を読み書きできないため、成績を保存できません。\r\n"
           "ランキングはこのプログラムを終了するまでの間だけ記録されます。",
           MB_OK, "Error !!");
}

void Repair_Rank() {
    MsgBox("セーブデータに致命的なエラーが検出されました！\r\n\r\nエラーを修復するために、ランキングの初期化を行います。",
           MB_OK, "Error !!");
    // Claim the repair only when the empty ranking really reached the file.
    if (Init_Rank()) MsgBox("エラーの修復が完了しました。", MB_OK, "完了");
}

// Scores are multiples of 10, apart from the cap; the floor of a floating-point quotient lets
// negative multiples pass and keeps the sum clear of 32-bit overflow.
bool ScoreIsSound(int32_t score) {
    return score == 999999 || score - 10.0 * std::floor(score / 10.0) == 0;
}

// Row l goes above row k: higher score; then hard above normal; then uncleared above cleared.
bool RanksAbove(const RankRecord& l, const RankRecord& k) {
    if (k.Score != l.Score) return k.Score < l.Score;
    if (k.Mode != l.Mode) return k.Mode < l.Mode;
    return k.Clear == -1 && l.Clear == 0;
}

void Check_Rank() {
    if (loadedLength == 0) return;
    if (loadedLength != RankFileSize) {
        Repair_Rank();
        return;
    }
    for (const RankRecord& row : RankData) {
        if (!ScoreIsSound(row.Score)) {
            Repair_Rank();
            return;
        }
    }
    if (RankData[0].Score >= 100 || RankData[0].Clear) RankData[0].Used = False;
    int n = 0;
    while (n < 5 && RankData[n + 1].Used) ++n;
    for (int k = 1; k <= n - 1; ++k)
        for (int l = k + 1; l <= n; ++l)
            if (RanksAbove(RankData[l], RankData[k])) std::swap(RankData[k], RankData[l]);
    Save_Rank();
}

} // namespace

void Load_Rank() {
    // A ranking the file could not take is newer than the file: keep it until it is written.
    if (rankUnsaved && !Save_Rank()) return;
    std::string head;
    int64_t length = 0;
    if (!Read_File_Head(RankFileName, RankFileSize, head, length)) {
        Warn_Unsaved();
        return;
    }
    head.resize(RankFileSize, '\0');
    for (int i = 0; i < 6; ++i) RankData[i] = DecodeRow(head.data() + i * RankSlotSize);
    loadedLength = length;
    Check_Rank();
}

bool Save_Rank() {
    std::vector<FilePatch> patches;
    for (int i = 0; i < 6; ++i) patches.push_back({int64_t{i} * RankSlotSize, EncodeRow(RankData[i])});
    if (Patch_File(RankFileName, patches)) {
        rankUnsaved = False;
        return true;
    }
    rankUnsaved = True;
    Warn_Unsaved();
    return false;
}

bool Init_Rank() {
    // The memory is emptied first: whatever happens to the file, the old rows are gone.
    Clear_Rank();
    rankUnsaved = False;
    // A file that will not go away is not read again (it would fail its check once more);
    // the empty rows are written over it if the folder allows.
    if (Delete_File(RankFileName)) Load_Rank();
    return Save_Rank();
}

std::string Date_Text(double date) {
    // The calendar runs from 100-01-01 (day -657434) to 9999-12-31 (day 2958465); the day is
    // the whole part, a fraction being the time of day.
    if (!(date > -657435.0 && date < 2958466.0)) return DateUnknown;
    using namespace std::chrono;
    const year_month_day ymd{sys_days{year{1899} / December / 30} + days{static_cast<int>(std::trunc(date))}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02u/%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return text;
}

} // namespace glbSystem
