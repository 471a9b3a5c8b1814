// Reaching a busy X server: refusals that pass are tried again, a missing server is given up
// at once.
#include <gtest/gtest.h>

#include <QTemporaryFile>
#include <cerrno>
#include <chrono>

#include "platform/X11Display.h"

using namespace platform;

namespace {

// A connect that fails with this errno the first `failures` times, then succeeds.
struct FlakyConnect {
    int failures;
    int error;
    int calls = 0;
    bool operator()() {
        if (calls++ < failures) {
            errno = error;
            return false;
        }
        return true;
    }
};

} // namespace

TEST(DisplayRetry, BusyServerIsTriedAgainUntilItAccepts) {
    FlakyConnect connect{3, EAGAIN};
    EXPECT_TRUE(ConnectPatiently(std::ref(connect), ""));
    EXPECT_EQ(connect.calls, 4);

    // Refused while the socket is there: a server starting or too busy to listen.
    QTemporaryFile socketFile;
    ASSERT_TRUE(socketFile.open());
    FlakyConnect refused{2, ECONNREFUSED};
    EXPECT_TRUE(ConnectPatiently(std::ref(refused), socketFile.fileName().toStdString()));
    EXPECT_EQ(refused.calls, 3);
}

TEST(DisplayRetry, NoServerIsGivenUpAtOnce) {
    for (const int error : {ENOENT, ECONNREFUSED}) {
        FlakyConnect connect{1000, error};
        EXPECT_FALSE(ConnectPatiently(std::ref(connect), "/tmp/.X11-unix/no-such-socket"));
        EXPECT_EQ(connect.calls, 1);
    }
}

TEST(DisplayRetry, PatienceRunsOut) {
    FlakyConnect connect{1000, EAGAIN};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ConnectPatiently(std::ref(connect), ""));
    const auto spent = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(connect.calls, kDisplayRetries + 1);
    // About two seconds at most; the slack is for a loaded machine.
    EXPECT_GE(spent, std::chrono::milliseconds(1500));
    EXPECT_LT(spent, std::chrono::milliseconds(4000));
}

TEST(DisplayRetry, LocalDisplaysNameTheirSocket) {
    EXPECT_EQ(X11SocketPath(":1"), "/tmp/.X11-unix/X1");
    EXPECT_EQ(X11SocketPath(":12.0"), "/tmp/.X11-unix/X12");
    EXPECT_EQ(X11SocketPath("unix:3"), "/tmp/.X11-unix/X3");
    EXPECT_EQ(X11SocketPath("otherhost:1"), "");
    EXPECT_EQ(X11SocketPath("garbage"), "");
}
