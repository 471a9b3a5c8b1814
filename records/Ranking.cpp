#include "records/Ranking.h"

#include <algorithm>
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
#include "records/ReplayLinks.h"

namespace glbSystem {

using namespace platform;

namespace {

const TextId kError = TR_TEXT("glbSystem::Ranking", "Error !!");

constexpr int kNameBytes = 20;
constexpr int kTimeBytes = 8;

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
    MsgBox(TR_TEXT("glbSystem::Ranking", "このフォルダでは「Ranking.sav」を読み書きできないため、成績を保存できません。\r\n"
                                         "ランキングはこのプログラムを終了するまでの間だけ記録されます。"),
           MB_OK, kError);
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

// The file as it stands: its rows and its length. False when it cannot be read.
bool Read_Rows(RankTable& rows, int64_t& length) {
    std::string head;
    if (!Read_File_Head(RankFileName, RankFileSize, head, length)) return false;
    head.resize(RankFileSize, '\0');
    for (int i = 0; i < 6; ++i) rows[i] = DecodeRow(head.data() + i * RankSlotSize);
    return true;
}

bool Damaged(const RankTable& rows, int64_t length) {
    if (length == 0) return false;
    if (length != RankFileSize) return true;
    return !std::all_of(rows.begin(), rows.end(), [](const RankRecord& row) { return ScoreIsSound(row.Score); });
}

// Row 0 keeps only a poor, uncleared result; the leading used places are sorted.
void Normalise(RankTable& rows) {
    if (rows[0].Score >= 100 || rows[0].Clear) rows[0].Used = False;
    int n = 0;
    while (n < 5 && rows[n + 1].Used) ++n;
    for (int k = 1; k <= n - 1; ++k)
        for (int l = k + 1; l <= n; ++l)
            if (RanksAbove(rows[l], rows[k])) std::swap(rows[k], rows[l]);
}

bool Write_Rows(const RankTable& rows) {
    std::vector<FilePatch> patches;
    for (int i = 0; i < 6; ++i) patches.push_back({int64_t{i} * RankSlotSize, EncodeRow(rows[i])});
    return Patch_File(RankFileName, patches);
}

RankTable Empty_Rows() {
    RankTable rows;
    rows.fill(EmptyRow());
    return rows;
}

// Results registered in this copy that the file has not taken yet, in their order.
std::vector<RankRecord> pendingResults;

// The file emptied, under the lock: the ranking's rows are gone from it and from memory.
bool Empty_File() {
    const RankLock lock(RankFileName);
    if (!lock.Held()) return false;
    // Deleted first, so that nothing beyond the rows of a damaged file outlives the emptying;
    // a file that will not go away gets the empty rows written over it if the folder allows.
    Delete_File(RankFileName);
    if (!Write_Rows(Empty_Rows())) return false;
    // The rows are gone, and with them their links; their replays stay with the others.
    Drop_Replay_Links();
    return true;
}

void Repair_Rank() {
    MsgBox(TR_TEXT("glbSystem::Ranking",
                   "セーブデータに致命的なエラーが検出されました！\r\n\r\nエラーを修復するために、ランキングの初期化を行います。"),
           MB_OK, kError);
    Clear_Rank();
    // While the message was up, another copy may have repaired the file and registered a
    // result in it: only a file that is still damaged is emptied.
    bool repaired = false;
    {
        const RankLock lock(RankFileName);
        RankTable rows;
        int64_t length = 0;
        if (lock.Held() && Read_Rows(rows, length)) {
            if (Damaged(rows, length)) {
                repaired = Empty_File();
            } else {
                RankData = rows;
                repaired = true;
            }
        }
    }
    rankUnsaved = repaired ? False : True;
    if (!repaired) Warn_Unsaved();
    // Claim the repair only when the empty ranking really reached the file.
    if (repaired)
        MsgBox(TR_TEXT("glbSystem::Ranking", "エラーの修復が完了しました。"), MB_OK, TR_TEXT("glbSystem::Ranking", "完了"));
}

} // namespace

int Place_For(const RankTable& rows, const RankRecord& result) {
    for (int i = 1; i <= 5; ++i) {
        const RankRecord& row = rows[i];
        if (row.Score < result.Score) return i;
        if (row.Score == result.Score && row.Mode < result.Mode) return i;
        if (row.Score == result.Score && row.Mode == result.Mode && (row.Clear == -1 || result.Clear == 0)) return i;
    }
    return 0;
}

std::string Row_Bytes(const RankRecord& row) { return EncodeRow(row); }

bool Is_Low(const RankRecord& result) { return result.Score < 100 && result.Clear == 0; }

bool Enter_Result(RankTable& rows, const RankRecord& result) {
    if (Is_Low(result)) {
        rows[0] = result;
        return true;
    }
    const int place = Place_For(rows, result);
    if (place == 0) return false;
    for (int i = 5; i > place; --i) rows[i] = rows[i - 1];
    rows[place] = result;
    return true;
}

void Enter_Registered(const RankRecord& result) {
    Enter_Result(RankData, result);
    pendingResults.push_back(result);
}

void Load_Rank() {
    // A ranking the file could not take is newer than the file: keep it until it is written.
    if (rankUnsaved && !Save_Rank()) return;
    RankTable rows;
    int64_t length = 0;
    {
        // Read, checked and written back as one change, so that a save of another copy
        // never falls between the reading and the writing.
        const RankLock lock(RankFileName);
        if (!Read_Rows(rows, length)) {
            Warn_Unsaved();
            return;
        }
        RankData = rows;
        if (!Damaged(rows, length)) {
            if (length == 0) return;
            Normalise(RankData);
            // Without the lock (another copy stopped in the middle of a save) the file is only
            // read; it is put in order at a later load.
            if (lock.Held() && !Write_Rows(RankData)) Warn_Unsaved();
            return;
        }
    }
    // The messages wait for the player; no lock is held meanwhile.
    Repair_Rank();
}

bool Save_Rank() {
    bool saved = false;
    {
        const RankLock lock(RankFileName);
        RankTable rows = RankData;
        int64_t length = 0;
        bool emptied = true;
        if (lock.Held() && !pendingResults.empty()) {
            // The results registered here go into the ranking as the file holds it now, with
            // what other copies saved since it was read.
            if (Read_Rows(rows, length)) {
                // A damaged file is emptied as a repair would: patched, what it holds beyond
                // its rows would keep it damaged, and the next start would empty it with
                // these results in it.
                if (Damaged(rows, length)) {
                    emptied = Empty_File();
                    rows = Empty_Rows();
                }
                Normalise(rows);
                // A result that no longer places once the others' results are in drops out, as
                // it would had it come last. One the file has already (a save whose folder
                // could not be synced after its rename reported failure) is not entered twice.
                for (const RankRecord& result : pendingResults)
                    if (std::none_of(rows.begin(), rows.end(),
                                     [&](const RankRecord& row) { return EncodeRow(row) == EncodeRow(result); }))
                        Enter_Result(rows, result);
            } else {
                rows = RankData;
            }
        }
        saved = lock.Held() && emptied && Write_Rows(rows);
        if (saved) RankData = rows;
    }
    if (saved) {
        pendingResults.clear();
        rankUnsaved = False;
        return true;
    }
    rankUnsaved = True;
    Warn_Unsaved();
    return false;
}

bool Init_Rank() {
    // The memory is emptied first: whatever happens to the file, the old rows are gone, and
    // so are the results that were waiting for it.
    Clear_Rank();
    pendingResults.clear();
    rankUnsaved = False;
    if (Empty_File()) return true;
    rankUnsaved = True;
    Warn_Unsaved();
    return false;
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
