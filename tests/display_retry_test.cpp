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

void NoPause(std::chrono::milliseconds) {}

} // namespace

TEST(DisplayRetry, BusyServerIsTriedAgainUntilItAccepts) {
    FlakyConnect connect{3, EAGAIN};
    EXPECT_TRUE(ConnectPatiently(std::ref(connect), "", NoPause));
    EXPECT_EQ(connect.calls, 4);

    // Refused while the socket is there: a server starting or too busy to listen.
    QTemporaryFile socketFile;
    ASSERT_TRUE(socketFile.open());
    FlakyConnect refused{2, ECONNREFUSED};
    EXPECT_TRUE(ConnectPatiently(std::ref(refused), socketFile.fileName().toStdString(), NoPause));
    EXPECT_EQ(refused.calls, 3);
}

TEST(DisplayRetry, NoServerIsGivenUpAtOnce) {
    for (const int error : {ENOENT, ECONNREFUSED}) {
        FlakyConnect connect{1000, error};
        EXPECT_FALSE(ConnectPatiently(std::ref(connect), "/tmp/.X11-unix/no-such-socket", NoPause));
        EXPECT_EQ(connect.calls, 1);
    }
}

TEST(DisplayRetry, PatienceRunsOut) {
    FlakyConnect connect{1000, EAGAIN};
    std::chrono::milliseconds waited{0};
    EXPECT_FALSE(ConnectPatiently(std::ref(connect), "", [&](std::chrono::milliseconds ms) { waited += ms; }));
    EXPECT_EQ(connect.calls, kDisplayRetries + 1);
    // Growing pauses, about a second and a half in all.
    EXPECT_EQ(waited, std::chrono::milliseconds(10 + 20 + 40 + 80 + 160 + 5 * 250));
}

TEST(DisplayRetry, LocalDisplaysNameTheirSocket) {
    EXPECT_EQ(X11SocketPath(":1"), "/tmp/.X11-unix/X1");
    EXPECT_EQ(X11SocketPath(":12.0"), "/tmp/.X11-unix/X12");
    EXPECT_EQ(X11SocketPath("unix:3"), "/tmp/.X11-unix/X3");
    EXPECT_EQ(X11SocketPath("otherhost:1"), "");
    EXPECT_EQ(X11SocketPath("garbage"), "");
}
