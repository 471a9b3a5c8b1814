// The replays every finished game leaves in replays/, and the links of the ranking's rows to
// them, on real files in a temporary folder.
#include <ctime>
#include <sys/stat.h>

#include "records/RankFile.h"
#include "records/ReplayLinks.h"
#include "replay/Kept.h"
#include "support/RankFolder.h"

using namespace glbSystem;
using namespace replay;

namespace {

Replay Game(Ending ending, int32_t score) {
    Replay r;
    r.keys = {{0, 4}, {30, 0}};
    r.end = EndItem{300, ending, score};
    return r;
}

// The local time 2024-03-05 07:08:09 and minutes after it, and a game over's name then.
std::time_t At(int minutes, int seconds = 0) {
    std::tm t{};
    t.tm_year = 124, t.tm_mon = 2, t.tm_mday = 5, t.tm_hour = 7, t.tm_min = 8, t.tm_sec = 9, t.tm_isdst = -1;
    return std::mktime(&t) + minutes * 60 + seconds;
}
QString NameAt(int minutes, int32_t score, int seconds = 0) {
    const std::time_t when = At(minutes, seconds);
    std::tm local{};
    return QString::fromStdString(Kept_Name(*localtime_r(&when, &local), Ending::GameOver, score));
}

} // namespace

class KeptReplaysTest : public RankFolder {};

TEST_F(KeptReplaysTest, TwentyUnrankedStayBesideTheRankedAndAClearedRankingKeepsTheFiles) {
    EXPECT_EQ(NameAt(0, -20), "2024-03-05_070809_gameover_-20.rpl");
    EXPECT_EQ(Keep_Replay(Game(Ending::Aborted, 50), At(0)), "") << "an abandoned game is not kept";
    RankRecord row{-1, "Mine" + std::string(16, ' '), 500, 0, 0, 46000, "12:00:00", {}, {}};
    Enter_Registered(row);
    ASSERT_TRUE(Save_Rank());
    const std::string ranked = Keep_Replay(Game(Ending::GameOver, 500), At(-100));
    ASSERT_TRUE(Link_Replay(row, ranked));
    EXPECT_EQ(Keep_Replay(Game(Ending::GameOver, 500), At(-100)), NameAt(-100, 500, 1).toStdString())
        << "the same second and score: the next second";
    // The player's own files, a leftover of a killed save's name aside.
    QFile(QStringLiteral("replays/notes.txt")).open(QIODevice::WriteOnly);
    QFile(QStringLiteral("replays/2024-03-05_070809_clear_1.rpl.backup")).open(QIODevice::WriteOnly);

    for (int game = 0; game < 25; ++game) Keep_Replay(Game(Ending::GameOver, 10 * game), At(game));
    const QStringList kept = QDir(QStringLiteral("replays")).entryList(QDir::Files);
    EXPECT_EQ(kept.size(), 1 + 20 + 3) << kept.join(' ').toStdString();
    EXPECT_TRUE(kept.contains(QString::fromStdString(ranked)) && kept.contains(QStringLiteral("notes.txt")));
    for (int game = 0; game < 25; ++game) EXPECT_EQ(kept.contains(NameAt(game, 10 * game)), game >= 5) << game;
    QFile file(QStringLiteral("replays/") + NameAt(24, 240));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), Format(Game(Ending::GameOver, 240)));

    ASSERT_TRUE(Init_Rank());
    EXPECT_TRUE(QFile::exists(QString::fromStdString("replays/" + ranked)));
    Enter_Registered(row);
    ASSERT_TRUE(Save_Rank());
    EXPECT_EQ(Replay_Of(RankData[1]), "") << "the link went with the cleared ranking";
    // A FIFO where the links go is neither waited on nor written through.
    QFile::remove(QStringLiteral("replays/ranking.links"));
    ASSERT_EQ(mkfifo("replays/ranking.links", 0600), 0);
    EXPECT_FALSE(Link_Replay(row, ranked));
}

TEST_F(KeptReplaysTest, AReplayThatCannotBeWrittenCostsOneLineAndNothingElse) {
    QFile(QStringLiteral("replays")).open(QIODevice::WriteOnly);  // a file where the folder goes
    testing::internal::CaptureStderr();
    EXPECT_EQ(Keep_Replay(Game(Ending::Clear, 300), At(0)), "");
    EXPECT_EQ(Last_Kept(), "");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(said.starts_with("ponigari: cannot keep the replay as replays/2024-03-05_070809_clear_300.rpl: "));
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
}
