// Ranking.sav on real files: loading, the check and repair, the canonical order, the exact
// bytes of a record, the filler, and folders that take no file.
#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>

#include "support/RankFolder.h"

#include "platform/AtomicFile.h"
#include "platform/Sjis.h"
#include "records/RankFile.h"

using namespace glbSystem;
using namespace platform;

namespace {

const std::string kRepairPrompt =
    "セーブデータに致命的なエラーが検出されました！\r\n\r\nエラーを修復するために、ランキングの初期化を行います。";
const std::string kUnsavedPrompt =
    "このフォルダでは「Ranking.sav」を読み書きできないため、成績を保存できません。\r\n"
    "ランキングはこのプログラムを終了するまでの間だけ記録されます。";

// A disk that fills up after this many more bytes.
std::size_t bytesLeft = 0;
ssize_t FillingWrite(int fd, const void* data, std::size_t size) {
    if (bytesLeft == 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t written = ::write(fd, data, std::min(size, bytesLeft));
    if (written > 0) bytesLeft -= static_cast<std::size_t>(written);
    return written;
}

// The type bits of what the name itself is, a link not followed.
mode_t TypeOf(const char* name) {
    struct stat st {};
    return ::lstat(name, &st) == 0 ? st.st_mode & S_IFMT : 0;
}

// Runs the step in a child process that folder permissions bind: root ignores them, so the child
// of root becomes nobody.
void Unprivileged(const std::function<void()>& step) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(1);
        step();
        ::_exit(::testing::Test::HasFailure() ? 2 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the unprivileged step failed or could not switch users";
}

std::array<Slot, 6> Places(std::initializer_list<Slot> places) {
    std::array<Slot, 6> rows{};
    int i = 1;
    for (const Slot& s : places) rows[i++] = s;
    return rows;
}

// The ranking and the lock that copies of the program take to change it.
const QStringList kRankingFiles{QStringLiteral("Ranking.sav"), QStringLiteral("Ranking.sav.lock")};

} // namespace

class RankingFileTest : public RankFolder {
protected:
    void ExpectRepaired() {
        ASSERT_EQ(host.boxes.size(), 2u);
        EXPECT_EQ(host.boxes[0].title, "Error !!");
        EXPECT_EQ(host.boxes[0].prompt, kRepairPrompt);
        EXPECT_EQ(host.boxes[0].buttons, MB_OK);
        EXPECT_EQ(host.boxes[1].title, "完了");
        EXPECT_EQ(host.boxes[1].prompt, "エラーの修復が完了しました。");
        EXPECT_EQ(host.boxes[1].buttons, MB_OK);
        EXPECT_EQ(ReadFile(), std::string(426, '\0'));
        for (const RankRecord& row : RankData) {
            EXPECT_EQ(row.Used, 0);
            EXPECT_EQ(row.Score, 0);
        }
    }
    void LoadAndExpectScores(const std::array<Slot, 6>& rows, std::array<int32_t, 5> places) {
        WriteFile(FileBytes(rows));
        Load_Rank();
        EXPECT_TRUE(host.boxes.empty());
        const std::string file = ReadFile();
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(RankData[i].Score, places[i - 1]) << "place " << i;
            EXPECT_EQ(FieldAt(file, i, 22, 4), Le(static_cast<uint32_t>(places[i - 1]), 4)) << "place " << i;
        }
    }
};

TEST_F(RankingFileTest, NoFileGivesAnEmptyFileAndNoMessage) {
    RankData[3].Used = -1;  // whatever memory held is replaced by the file's rows
    Load_Rank();
    EXPECT_TRUE(FileExists());
    EXPECT_EQ(ReadFile(), "");
    EXPECT_TRUE(host.boxes.empty());
    for (const RankRecord& row : RankData) EXPECT_EQ(row.Used, 0);
    Load_Rank();
    EXPECT_EQ(ReadFile(), "") << "an empty file is neither checked nor written";
}

TEST_F(RankingFileTest, WrongLengthsAreRepairedWithBothMessages) {
    for (std::size_t length : {425u, 427u, 40000u}) {
        SCOPED_TRACE(length);
        host.boxes.clear();
        std::string bytes = FileBytes(Places({UsedSlot(500)}), 7);
        bytes.resize(length, 'x');
        WriteFile(bytes);
        Load_Rank();
        ExpectRepaired();
    }
}

TEST_F(RankingFileTest, AResultSavedOverADamagedFileOutlivesTheNextStart) {
    std::string bytes = FileBytes(Places({UsedSlot(500)}), 7);
    bytes.resize(500, 'x');
    WriteFile(bytes);
    Enter_Registered(RankRecord{-1, "P", 700, 0, 0, 45000, "12:00:00", {}, {}});
    ASSERT_TRUE(Save_Rank());
    Load_Rank();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(RankData[1].Score, 700);
}

TEST_F(RankingFileTest, ScoreThatIsNoMultipleOfTenRepairsEvenInAnEmptyRow) {
    std::array<Slot, 6> rows = Places({UsedSlot(500), UsedSlot(400)});
    rows[4].score = 15;  // row 4 is not in use
    WriteFile(FileBytes(rows));
    Load_Rank();
    ExpectRepaired();
}

TEST_F(RankingFileTest, CapAndNegativeMultiplesPassButOtherScoresDoNot) {
    std::array<Slot, 6> rows = Places({UsedSlot(999999), UsedSlot(0), UsedSlot(-20)});
    rows[5].score = -2147483640;  // a multiple of ten near the bottom of the range
    WriteFile(FileBytes(rows, 1));
    Load_Rank();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(ReadFile(), FileBytes(rows, 1));

    for (int32_t bad : {999998, INT_MIN, INT_MAX, -25}) {
        SCOPED_TRACE(bad);
        host.boxes.clear();
        rows[0].score = bad;
        WriteFile(FileBytes(rows));
        Load_Rank();
        ExpectRepaired();
    }
}

TEST_F(RankingFileTest, PariahRowWithHundredOrClearIsEmptiedAndRewritten) {
    struct Case { int32_t score; int16_t clear; int16_t used; };
    for (const Case& c : {Case{100, 0, 0}, Case{50, -1, 0}, Case{20, 1, 0}, Case{90, 0, -1}, Case{-20, 0, -1}}) {
        SCOPED_TRACE(c.score);
        std::array<Slot, 6> rows{};
        rows[0] = UsedSlot(c.score, 0, c.clear);
        WriteFile(FileBytes(rows));
        Load_Rank();
        EXPECT_EQ(RankData[0].Used, c.used);
        EXPECT_EQ(RankData[0].Score, c.score);
        rows[0].used = c.used;
        EXPECT_EQ(ReadFile(), FileBytes(rows)) << "only the Used field changes";
    }
}

TEST_F(RankingFileTest, PlacesAreSortedByScoreThenHardThenUncleared) {
    LoadAndExpectScores(Places({UsedSlot(300), UsedSlot(500)}), {500, 300, 0, 0, 0});
    LoadAndExpectScores(Places({UsedSlot(100), UsedSlot(500), UsedSlot(300), UsedSlot(400), UsedSlot(200)}), {500, 400, 300, 200, 100});

    LoadAndExpectScores(Places({UsedSlot(500, 0, 0, "normal"), UsedSlot(500, 1, 0, "hard")}), {500, 500, 0, 0, 0});
    EXPECT_EQ(RankData[1].Mode, 1);

    LoadAndExpectScores(Places({UsedSlot(500, 0, -1, "cleared"), UsedSlot(500, 0, 0, "plain")}), {500, 500, 0, 0, 0});
    EXPECT_EQ(RankData[1].Clear, 0);
    LoadAndExpectScores(Places({UsedSlot(500, 0, 0, "plain"), UsedSlot(500, 0, -1, "cleared")}), {500, 500, 0, 0, 0});
    EXPECT_EQ(RankData[1].Clear, 0) << "an uncleared result above a cleared one stays";

    // Only a clear flag of exactly -1 gives way.
    LoadAndExpectScores(Places({UsedSlot(500, 0, 1, "one"), UsedSlot(500, 0, 0, "zero")}), {500, 500, 0, 0, 0});
    EXPECT_EQ(RankData[1].Clear, 1);
}

TEST_F(RankingFileTest, SortingStopsAtTheFirstEmptyPlaceAndLeavesThePariahRow) {
    std::array<Slot, 6> rows = Places({UsedSlot(100), Slot{}, UsedSlot(200), UsedSlot(300), UsedSlot(400)});
    rows[2].score = 900;  // an empty place is not sorted, whatever it holds
    rows[0] = UsedSlot(90);
    LoadAndExpectScores(rows, {100, 900, 200, 300, 400});
    EXPECT_EQ(RankData[0].Score, 90);
    EXPECT_EQ(RankData[3].Used, -1);
}

TEST_F(RankingFileTest, RecordIsWrittenByteForByteAndReadBack) {
    RankRecord r;
    r.Used = -1;
    r.Name = "ぽに狩りAbcｱ";
    r.Score = 123450;
    r.Mode = 1;
    r.Clear = -1;
    r.Date = 45000;
    r.Time = " 9:05:07";
    RankData[1] = r;
    ASSERT_TRUE(Save_Rank());

    const std::string file = ReadFile();
    ASSERT_EQ(file.size(), 426u);
    const std::string expected = std::string("\xFF\xFF", 2) +                              // Used
                                 "\x82\xDB\x82\xC9\x8E\xEB\x82\xE8" "Abc\xB1" "        " +  // Name, 20 bytes
                                 std::string("\x3A\xE2\x01\x00", 4) +                      // 123450
                                 std::string("\x01\x00\xFF\xFF", 4) +                      // Mode, Clear
                                 std::string("\x00\x00\x00\x00\x00\xF9\xE5\x40", 8) +      // 45000.0 = 0x40E5F90000000000
                                 " 9:05:07";
    EXPECT_EQ(file.substr(76, 46), expected);
    EXPECT_EQ(file.substr(122, 30), std::string(30, '\0')) << "a new file's filler is zero";

    RankData = {};
    Load_Rank();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(RankData[1].Name, "ぽに狩りAbcｱ            ") << "padded to 20 characters";
    EXPECT_EQ(RankData[1].Score, 123450);
    EXPECT_EQ(RankData[1].Mode, 1);
    EXPECT_EQ(RankData[1].Clear, -1);
    EXPECT_EQ(RankData[1].Date, 45000);
    EXPECT_EQ(RankData[1].Time, " 9:05:07");
    EXPECT_EQ(ReadFile(), file);
}

TEST_F(RankingFileTest, NameOverTwentyBytesIsCutOnACharacterBoundary) {
    RankData[1].Used = -1;
    RankData[1].Name = "ABCDEFGHIJKLMNOPQRSぽ";  // 19 + 2 bytes: the last character does not fit whole
    ASSERT_TRUE(Save_Rank());
    EXPECT_EQ(FieldAt(ReadFile(), 1, 2, 20), "ABCDEFGHIJKLMNOPQRS ");
}

TEST_F(RankingFileTest, FillerBytesSurviveEveryWrite) {
    const std::array<Slot, 6> rows = Places({UsedSlot(500), UsedSlot(300)});
    WriteFile(FileBytes(rows, 0x41));
    Load_Rank();
    EXPECT_EQ(ReadFile(), FileBytes(rows, 0x41));

    RankData[3] = RankData[2];
    RankData[2].Score = 400;
    ASSERT_TRUE(Save_Rank());
    std::array<Slot, 6> changed = rows;
    changed[2].score = 400;
    changed[3] = rows[2];
    EXPECT_EQ(ReadFile(), FileBytes(changed, 0x41));
}

TEST_F(RankingFileTest, BytesThatAreNoCharacterSurviveARewrite) {
    // A lead byte without its trail, bytes that lead nothing, NUL, an unassigned pair (0x85 0x40),
    // and good characters after them.
    std::array<Slot, 6> rows = Places({UsedSlot(500, 0, 0, std::string("\x82\x20\xFF\x00Z\x80\x85\x40\x82\xDB", 10))});
    rows[1].time = std::string("\x81", 1);
    const std::string bytes = FileBytes(rows, 3);
    WriteFile(bytes);
    Load_Rank();
    EXPECT_EQ(RankData[1].Name.substr(0, 18), std::string("\uFFFD \uFFFD\0Z\uFFFD\uFFFDぽ", 18));
    EXPECT_EQ(RankData[1].Time, "\uFFFD       ");
    EXPECT_EQ(ReadFile(), bytes);
}

TEST_F(RankingFileTest, SaveReplacesTheFileInsteadOfWritingIntoIt) {
    WriteFile(FileBytes(Places({UsedSlot(500)})));
    Load_Rank();
    const std::string before = ReadFile();
    QFile old(QStringLiteral("Ranking.sav"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));

    RankData[1].Score = 700;
    ASSERT_TRUE(Save_Rank());
    EXPECT_EQ(old.readAll().toStdString(), before) << "the old file is never opened for writing";
    EXPECT_EQ(FieldAt(ReadFile(), 1, 22, 4), Le(700, 4));
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), kRankingFiles)
        << "no temporary file is left behind";
}

TEST_F(RankingFileTest, InitialisingLeavesSixEmptyRecords) {
    WriteFile(FileBytes(Places({UsedSlot(500), UsedSlot(300)}), 9));
    Load_Rank();
    EXPECT_TRUE(Init_Rank());
    EXPECT_EQ(ReadFile(), std::string(426, '\0'));
    for (const RankRecord& row : RankData) EXPECT_EQ(row.Used, 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RankingFileTest, UnusableFileKeepsTheRankingInMemoryAndSaysSoOnce) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Ranking.sav")));  // neither readable nor replaceable, even for root
    RankData[1].Used = -1;
    RankData[1].Score = 500;
    Load_Rank();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, "Error !!");
    EXPECT_EQ(host.boxes[0].prompt, kUnsavedPrompt);
    EXPECT_EQ(RankData[1].Score, 500);

    RankData[2].Used = -1;
    RankData[2].Score = 300;
    EXPECT_FALSE(Save_Rank());
    Load_Rank();
    EXPECT_EQ(RankData[2].Score, 300) << "the unsaved ranking is newer than any file";
    EXPECT_FALSE(Init_Rank());
    for (const RankRecord& row : RankData) EXPECT_EQ(row.Used, 0);
    EXPECT_EQ(host.boxes.size(), 1u) << "told once";

    // Once the folder takes the file again, the ranking in memory is written first.
    RankData[1].Used = -1;
    RankData[1].Score = 800;
    EXPECT_FALSE(Save_Rank());
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("Ranking.sav")));
    Load_Rank();
    EXPECT_EQ(RankData[1].Score, 800);
    EXPECT_EQ(FieldAt(ReadFile(), 1, 22, 4), Le(800, 4));
}

TEST_F(RankingFileTest, WriteFailingAtAnyByteLeavesTheOldFileAndSaysSo) {
    const std::string before = FileBytes(Places({UsedSlot(500)}), 5);
    WriteFile(before);
    Load_Rank();
    RankData[1].Score = 700;
    for (std::size_t left : {0u, 1u, 200u, 425u}) {
        SCOPED_TRACE(left);
        bytesLeft = left;
        Write_Call = &FillingWrite;
        const bool saved = Save_Rank();
        Write_Call = &::write;
        EXPECT_FALSE(saved);
        EXPECT_EQ(ReadFile(), before);
        EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), kRankingFiles);
    }
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].prompt, kUnsavedPrompt);
    Load_Rank();
    EXPECT_EQ(FieldAt(ReadFile(), 1, 22, 4), Le(700, 4)) << "the result kept in memory reaches the disk later";
}

TEST_F(RankingFileTest, KilledSavesLeaveTheOldOrTheNewFile) {
    WriteFile(FileBytes(Places({UsedSlot(500)})));
    Load_Rank();
    const std::string one = FileBytes(Places({UsedSlot(500)}));
    const std::string other = FileBytes(Places({UsedSlot(700)}));
    for (int round = 0; round < 20; ++round) {
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            for (int32_t score = 500;; score = 1200 - score) {
                RankData[1] = RankRecord{-1, "P", score, 0, 0, 45000, "12:00:00", {}, {}};
                Save_Rank();
            }
        }
        ::usleep(static_cast<useconds_t>(1000 + round * 1500));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        const std::string file = ReadFile();
        ASSERT_TRUE(file == one || file == other) << "round " << round << ": " << file.size() << " bytes";
    }
}

TEST_F(RankingFileTest, FolderThatTakesNoNewFileGetsTheWholeFileInPlaceOrNothing) {
    const std::string before = FileBytes(Places({UsedSlot(500)}), 5);
    WriteFile(before);
    ASSERT_EQ(::chmod("Ranking.sav", 0666), 0);
    ASSERT_EQ(::chmod(".", 0555), 0);
    Unprivileged([] {
        Load_Rank();
        RankData[1].Score = 700;
        bytesLeft = 200;
        Write_Call = &FillingWrite;
        Save_Rank();
    });
    EXPECT_EQ(ReadFile(), before) << "a failed write puts the old bytes back";
    Unprivileged([] {
        Load_Rank();
        RankData[1].Score = 700;
        Save_Rank();
    });
    ::chmod(".", 0700);
    EXPECT_EQ(ReadFile(), FileBytes(Places({UsedSlot(700)}), 5));

    // A ranking its owner made read-only stays as it is, though the folder would let it go.
    ASSERT_EQ(::chmod("Ranking.sav", 0444), 0);
    ASSERT_EQ(::chmod(".", 0777), 0);
    Unprivileged([] {
        Load_Rank();
        RankData[1].Score = 900;
        Save_Rank();
        Init_Rank();
    });
    ::chmod(".", 0700);
    EXPECT_EQ(ReadFile(), FileBytes(Places({UsedSlot(700)}), 5));
}

TEST_F(RankingFileTest, NameThatIsNoRegularFileIsNeverWrittenNorReplaced) {
    // Each way, with the nodes it leaves: a device node made here (root only) stands in for
    // /dev/null.
    const bool root = ::mknod("null", S_IFCHR | 0666, makedev(1, 3)) == 0;
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"link to a device", [] { ::symlink("null", "Ranking.sav"); }},
        {"device", [] { ::mknod("Ranking.sav", S_IFCHR | 0666, makedev(1, 3)); }},
        {"link to a folder", [] { ::symlink(".", "Ranking.sav"); }},
        {"link to nothing", [] { ::symlink("gone", "Ranking.sav"); }},
        {"socket", [] {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::strcpy(address.sun_path, "Ranking.sav");
             const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
             ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
             ::close(listener);
         }},
    };
    std::string cannotMake;
    for (const auto& [way, make] : ways) {
        SCOPED_TRACE(way);
        make();
        const mode_t type = TypeOf("Ranking.sav");
        if (type == 0 || (!root && std::string(way).find("device") != std::string::npos)) {
            cannotMake += std::string(cannotMake.empty() ? "" : ", ") + way;
            continue;
        }
        host.boxes.clear();
        rankWarned = 0;
        RankData[1] = RankRecord{-1, "P", 500, 0, 0, 45000, "12:00:00", {}, {}};
        Load_Rank();
        EXPECT_EQ(RankData[1].Score, 500) << "the ranking stays in memory";
        EXPECT_FALSE(Save_Rank());
        EXPECT_FALSE(Init_Rank());
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].prompt, kUnsavedPrompt);
        EXPECT_EQ(TypeOf("Ranking.sav"), type);
        EXPECT_EQ(TypeOf("null"), root ? S_IFCHR : 0);
        EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), root ? 2 : 1)
            << "no file was left beside it";
        ::unlink("Ranking.sav");
    }
    // The other kinds were tried; the test says which it could not.
    if (!cannotMake.empty()) GTEST_SKIP() << "this user cannot make " << cannotMake;
}

TEST_F(RankingFileTest, LinkToAFileIsWrittenThroughAndKept) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("shared")));
    ASSERT_EQ(::symlink("shared/Ranking.sav", "Ranking.sav"), 0);
    WriteFile(FileBytes(Places({UsedSlot(300), UsedSlot(500)})));
    Load_Rank();
    EXPECT_EQ(FieldAt(ReadFile(), 1, 22, 4), Le(500, 4)) << "sorted and written back";
    EXPECT_TRUE(Init_Rank());
    EXPECT_EQ(TypeOf("Ranking.sav"), S_IFLNK);
    EXPECT_EQ(ReadFile(), std::string(426, '\0'));
    EXPECT_EQ(QDir(QStringLiteral("shared")).entryList(QDir::Files | QDir::Hidden), kRankingFiles);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RankingFileTest, FolderThatIsGoneCannotHoldTheFile) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("sub")));
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("sub")));
    Load_Rank();
    EXPECT_FALSE(Save_Rank());
    Load_Rank();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].prompt, kUnsavedPrompt);
}

TEST(DateTextTest, DaysSince1899ShownAsYearMonthDay) {
    EXPECT_EQ(Date_Text(45000), "2023/03/15");
    EXPECT_EQ(Date_Text(0), "1899/12/30");
    EXPECT_EQ(Date_Text(60), "1900/02/28");
    EXPECT_EQ(Date_Text(45000.75), "2023/03/15");
    EXPECT_EQ(Date_Text(-1.5), "1899/12/29") << "the whole part is the day, the fraction the time";
    EXPECT_EQ(Date_Text(-657434), "0100/01/01");
    EXPECT_EQ(Date_Text(2958465), "9999/12/31");
    for (double absurd : {-657435.0, 2958466.0, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(Date_Text(absurd), "?\?/?\?/??") << absurd;
}

TEST(ShiftJisTest, WindowsCodePageBothWays) {
    // ASCII bytes are themselves, controls included (ICU's table would swap 0x1A, 0x1C and 0x7F).
    const std::string ascii("\x00\x1A\x1C\x7F\\~", 6);
    EXPECT_EQ(Sjis_Decode(ascii), ascii);
    EXPECT_EQ(Sjis_Encode(ascii), ascii);
    // Windows' own choices: ～ and － at 0x8160 and 0x817C, NEC and IBM extensions, half-width kana.
    const std::string text = "～－∥￠①髙ｱ";
    const std::string bytes = "\x81\x60\x81\x7C\x81\x61\x81\x91\x87\x40\xFB\xFC\xB1";
    EXPECT_EQ(Sjis_Encode(text), bytes);
    EXPECT_EQ(Sjis_Decode(bytes), text);
}

TEST(ShiftJisTest, MissingCharactersAreFoundEveryTime) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Sjis_Char("é"), "");
        EXPECT_EQ(Sjis_Char("ぽ"), "\x82\xDB") << "a failure does not spoil the next character";
        EXPECT_EQ(Sjis_Decode("\x85\x40\x82\xDB"), "\uFFFDぽ");
    }
    std::string refused;
    EXPECT_EQ(Sjis_Fit("〜a−é〜", refused), "～a－～");
    EXPECT_EQ(refused, "〜−é");
    EXPECT_EQ(Sjis_Fit("ぽに", refused), "ぽに");
    EXPECT_EQ(refused, "");
}
