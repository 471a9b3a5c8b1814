// The replays every finished game leaves in replays/, and the links of the ranking's rows to
// them, on real files in a temporary folder.
#include <QDir>
#include <QFile>
#include <algorithm>
#include <ctime>

#include "records/RankFile.h"
#include "records/ReplayLinks.h"
#include "replay/Kept.h"
#include "support/RankFolder.h"

using namespace glbSystem;
using namespace replay;

namespace {

// A finished game's replay; the seed tells games apart.
Replay Game(Ending ending, int32_t score, uint64_t seed = 1) {
    Replay r;
    r.seed = seed;
    r.keys = {{0, 4}, {30, 0}};
    r.end = EndItem{300, ending, score};
    return r;
}

// 2024-03-05 07:08:09 local time, and minutes after it.
std::time_t At(int minutes = 0) {
    std::tm t{};
    t.tm_year = 124, t.tm_mon = 2, t.tm_mday = 5, t.tm_hour = 7, t.tm_min = 8, t.tm_sec = 9, t.tm_isdst = -1;
    return std::mktime(&t) + minutes * 60;
}

QString NameAt(int minutes, int32_t score) {
    const std::time_t when = At(minutes);
    std::tm local{};
    localtime_r(&when, &local);
    return QString::fromStdString(Kept_Name(local, Ending::GameOver, score));
}

QStringList Kept() {
    QStringList names = QDir(QStringLiteral("replays")).entryList(QDir::Files, QDir::Name);
    names.removeAll(QStringLiteral("ranking.links"));
    return names;
}

// A result as registration makes it, saved into Ranking.sav.
RankRecord Registered(const std::string& name, int32_t score) {
    RankRecord row{-1, name + std::string(20 - name.size(), ' '), score, 0, 0, 46000, "12:00:00", {}, {}};
    Enter_Registered(row);
    EXPECT_TRUE(Save_Rank());
    return row;
}

} // namespace

class KeptReplaysTest : public RankFolder {};

TEST_F(KeptReplaysTest, NamesTellTheLocalTimeTheEndingAndTheScore) {
    std::tm t{};
    t.tm_year = 124, t.tm_mon = 2, t.tm_mday = 5, t.tm_hour = 7, t.tm_min = 8, t.tm_sec = 9;
    EXPECT_EQ(Kept_Name(t, Ending::Clear, 123450), "2024-03-05_070809_clear_123450.rpl");
    EXPECT_EQ(Kept_Name(t, Ending::GameOver, -20), "2024-03-05_070809_gameover_-20.rpl");
    const struct { const char* name; bool kept; } names[] = {
        {"2024-03-05_070809_clear_123450.rpl", true},  {"2024-03-05_070809_gameover_0.rpl", true},
        {"2024-03-05_070809_aborted_0.rpl", false},    {"ranking.links", false},
        {"my-best.rpl", false},                         {"2024-03-05_070809_clear_10.rpl.Ab12cd", false},
        {"2024-03-05_070809_clear_10.rep", false},     {"2024-3-05_070809_clear_10.rpl", false},
    };
    for (const auto& n : names) EXPECT_EQ(Is_Kept_Name(n.name), n.kept) << n.name;
}

TEST_F(KeptReplaysTest, AFinishedGameIsKeptWithItsEndLineAndAnAbandonedOneIsNot) {
    EXPECT_EQ(Keep_Replay(Game(Ending::Aborted, 50), At()), "");
    EXPECT_FALSE(QDir(QStringLiteral("replays")).exists()) << "nothing to keep, no folder made";

    const Replay r = Game(Ending::GameOver, 40);
    const std::string name = Keep_Replay(r, At());
    EXPECT_EQ(name, "2024-03-05_070809_gameover_40.rpl");
    EXPECT_EQ(Last_Kept(), name);
    QFile file(QString::fromStdString("replays/" + name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string text = file.readAll().toStdString();
    EXPECT_EQ(text, Format(r));
    EXPECT_TRUE(text.ends_with("\nend 300 gameover 40\n"));

    // Another copy's game that ended in the same second with the same score.
    EXPECT_EQ(Keep_Replay(Game(Ending::GameOver, 40, 2), At()), "2024-03-05_070810_gameover_40.rpl");
    EXPECT_EQ(Kept().size(), 2);
    EXPECT_EQ(Keep_Replay(Game(Ending::Aborted, 0), At(1)), "");
    EXPECT_EQ(Last_Kept(), "") << "an abandoned game's result links to nothing";
}

TEST_F(KeptReplaysTest, TwentyUnrankedStayBesideTheRankedOnes) {
    // Two ranked games, older than all the rest.
    const RankRecord first = Registered("First", 5000);
    const RankRecord low = Registered("Low", 30);
    ASSERT_TRUE(Link_Replay(first, Keep_Replay(Game(Ending::Clear, 5000), At(-100))));
    ASSERT_TRUE(Link_Replay(low, Keep_Replay(Game(Ending::GameOver, 30), At(-90))));
    // The player's own files in the folder are none of ours.
    QFile(QStringLiteral("replays/notes.txt")).open(QIODevice::WriteOnly);
    QFile::link(QStringLiteral("notes.txt"), QStringLiteral("replays/2020-01-01_000000_clear_1.rpl"));

    for (int game = 0; game < 25; ++game) Keep_Replay(Game(Ending::GameOver, 10 * game), At(game));
    const QStringList kept = Kept();
    EXPECT_EQ(kept.size(), 2 + 20 + 2);
    EXPECT_TRUE(kept.contains(QString::fromStdString(Replay_Of(first).substr(8))));
    EXPECT_TRUE(kept.contains(QString::fromStdString(Replay_Of(low).substr(8))));
    EXPECT_TRUE(kept.contains(QStringLiteral("notes.txt")));
    EXPECT_TRUE(kept.contains(QStringLiteral("2020-01-01_000000_clear_1.rpl")));
    for (int game = 0; game < 25; ++game)
        EXPECT_EQ(kept.contains(NameAt(game, 10 * game)), game >= 5) << "the oldest five go: game " << game;
}

TEST_F(KeptReplaysTest, RowsKeepTheirReplaysWhereverOtherCopiesMoveThem) {
    const RankRecord mine = Registered("Mine", 500);
    ASSERT_TRUE(Link_Replay(mine, Keep_Replay(Game(Ending::GameOver, 500), At())));
    const std::string path = Replay_Of(mine);
    EXPECT_EQ(path, "replays/2024-03-05_070809_gameover_500.rpl");

    // Another copy registers a better result: this row moves down a place, its replay with it.
    std::string file = ReadFile();
    const std::string better = SlotBytes(UsedSlot(900, 0, 0, "Other"));
    WriteFile(file.substr(0, 76) + better + file.substr(76 + 46, 30) + file.substr(76, 46) + file.substr(2 * 76 + 46));
    Load_Rank();
    ASSERT_EQ(RankData[2].Score, 500);
    EXPECT_EQ(Replay_Of(RankData[2]), path);
    EXPECT_EQ(Replay_Of(RankData[1]), "") << "the other copy's row has no replay here";
    EXPECT_FALSE(Link_Replay(RankData[1], "../Ranking.sav")) << "no link leads out of the folder";

    // A row the file does not hold takes no link.
    RankRecord stranger = mine;
    stranger.Score = 510;
    EXPECT_FALSE(Link_Replay(stranger, "2024-03-05_070809_gameover_510.rpl"));

    // 初期化 drops the links and keeps the files.
    ASSERT_TRUE(Init_Rank());
    Registered("Mine", 500);
    EXPECT_EQ(Replay_Of(RankData[1]), "") << "an equal row registered later is another game";
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
    const RankLock lock(RankFileName);
    EXPECT_TRUE(Ranked_Replays().empty());
}

TEST_F(KeptReplaysTest, AReplayThatCannotBeWrittenCostsOneLineAndNothingElse) {
    // A file where the folder should be.
    QFile(QStringLiteral("replays")).open(QIODevice::WriteOnly);
    const RankRecord row = Registered("P", 300);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Keep_Replay(Game(Ending::GameOver, 300), At()), "");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(said.starts_with("ponigari: cannot keep the replay as replays/2024-03-05_070809_gameover_300.rpl: "))
        << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(RankData[1].Score, 300) << "the result stays";
    EXPECT_EQ(Replay_Of(row), "");
}
