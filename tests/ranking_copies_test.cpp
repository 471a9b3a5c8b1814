// Two copies of the game sharing one ranking, as real processes: each registers through the
// real records code against the same folder, in either order and at once, while a third keeps
// reloading the ranking as the ranking window's 更新 does. No result may be lost, nor the link
// of its row to its replay.
#include <QDir>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "records/RankFile.h"
#include "records/Register.h"
#include "records/ReplayLinks.h"
#include "support/RankFolder.h"

using namespace glbSystem;

namespace {

// A copy of the program: it reaches the name dialog, says so, waits for its go, then enters
// the name, saves, and links the row to its replay NAME.rpl.
struct Copy {
    pid_t pid = -1;
    int ready = -1, go = -1;

    Copy(int32_t score, const std::string& name) {
        int toParent[2], toChild[2];
        if (pipe(toParent) != 0 || pipe(toChild) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(toParent[0]);
            close(toChild[1]);
            platform::ScriptedHost host;
            platform::InstallHost(&host);
            bool asked = false;
            host.onEvents = [&] {
                if (asked) return;
                asked = true;
                char c = 0;
                if (write(toParent[1], "r", 1) != 1 || read(toChild[0], &c, 1) != 1) _exit(4);
                InputName = name;
                NameInputDone = -1;
            };
            Show_GetName = [] {};
            RankRecord result{-1, "", score, 0, 0, 46000, "12:00:00", {}, {}};
            const bool saved = Register_Rank(result) && Save_Rank();
            _exit(saved && Link_Replay(result, name + ".rpl") ? 0 : 3);
        }
        close(toParent[1]);
        close(toChild[0]);
        ready = toParent[0];
        go = toChild[1];
    }
    bool AtTheDialog() const {
        char c = 0;
        return read(ready, &c, 1) == 1;
    }
    void Go() const { EXPECT_EQ(write(go, "g", 1), 1); }
    int Finish() {
        int status = 0;
        waitpid(pid, &status, 0);
        close(ready);
        close(go);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
};

// Reloads the ranking without pause until it is stopped, as a player pressing 更新 would.
pid_t Refresher() {
    const pid_t pid = fork();
    if (pid == 0) {
        platform::ScriptedHost host;
        platform::InstallHost(&host);
        for (;;) Load_Rank();
    }
    return pid;
}

std::string Names(const std::string& file) {
    std::string names;
    for (int row = 1; row <= 5; ++row) names += FieldAt(file, row, 2, 3) + ' ';
    return names;
}

} // namespace

class RankingCopiesTest : public RankFolder {};

TEST_F(RankingCopiesTest, EveryCopysResultStaysWhateverTheOrder) {
    struct Case {
        const char* what;
        bool atOnce;
        int32_t a, b;
        const char* names;
    };
    const Case cases[] = {
        {"A waits in the dialog while B saves a better result", false, 80 * 10, 150 * 10, "BBB AAA "},
        {"A waits in the dialog while B saves a worse result", false, 150 * 10, 80 * 10, "AAA BBB "},
        {"both confirm at once", true, 150 * 10, 80 * 10, "AAA BBB "},
    };
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("replays")));
    for (const Case& c : cases) {
        for (int round = 0; round < (c.atOnce ? 10 : 1); ++round) {
            SCOPED_TRACE(testing::Message() << c.what << ", round " << round);
            QFile::remove(QStringLiteral("Ranking.sav"));
            const pid_t refresher = Refresher();
            Copy a(c.a, "AAA");
            ASSERT_TRUE(a.AtTheDialog());
            Copy b(c.b, "BBB");
            ASSERT_TRUE(b.AtTheDialog());
            if (c.atOnce) {
                a.Go();
                b.Go();
                EXPECT_EQ(b.Finish(), 0);
            } else {
                b.Go();
                EXPECT_EQ(b.Finish(), 0);
                a.Go();
            }
            EXPECT_EQ(a.Finish(), 0);
            kill(refresher, SIGKILL);
            waitpid(refresher, nullptr, 0);
            EXPECT_EQ(Names(ReadFile()).substr(0, 8), c.names);
            const RankLock lock(RankFileName);
            EXPECT_EQ(Ranked_Replays(), (std::set<std::string>{"AAA.rpl", "BBB.rpl"}));
        }
    }
}

TEST_F(RankingCopiesTest, ASaveKilledInItsWriteLeavesNothingAfterTheNextSave) {
    RankData[1] = RankRecord{-1, "P", 500, 0, 0, 45000, "12:00:00", {}, {}};
    ASSERT_TRUE(Save_Rank());
    const std::string before = ReadFile();
    for (const ssize_t bytes : {0, 100, 425}) {
        const pid_t pid = fork();
        if (pid == 0) {
            static ssize_t left;
            left = bytes;
            platform::Write_Call = [](int fd, const void* data, std::size_t size) -> ssize_t {
                if (left == 0) raise(SIGKILL);
                const ssize_t n = ::write(fd, data, std::min<std::size_t>(size, static_cast<std::size_t>(left)));
                left -= n;
                return n;
            };
            RankData[1].Score = 700;
            Save_Rank();
            _exit(0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save was killed in its write";
    }
    // Each killed save took away the leftover of the one before it; the last one's stays.
    EXPECT_EQ(QDir().entryList(QDir::Files).size(), 3) << "one leftover beside the ranking and its lock";
    EXPECT_EQ(ReadFile(), before);
    // A copy of the player's own, named as a leftover would be but for the mark, stays.
    QFile::copy(QStringLiteral("Ranking.sav"), QStringLiteral("Ranking.sav.backup"));
    RankData[1].Score = 900;
    ASSERT_TRUE(Save_Rank());
    EXPECT_EQ(QDir().entryList(QDir::Files), (QStringList{QStringLiteral("Ranking.sav"), QStringLiteral("Ranking.sav.backup"),
                                                          QStringLiteral("Ranking.sav.lock")}));
}
