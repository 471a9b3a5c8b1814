#pragma once
// Reaching the X server at start-up. A busy server turns connections away now and then (its
// queue of waiting connections is full, or it is not accepting yet), so a failed attempt is
// tried again for a while when the server's socket is there; with no socket there is no
// server, and that is said at once.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace platform {

// The pauses between attempts: short at first, about one and a half seconds in all.
constexpr int kDisplayRetries = 10;
std::chrono::milliseconds DisplayRetryPause(int retry);

// Calls connect until it succeeds (true) or fails in a way that is not passing (false),
// waiting with `pause` between attempts. A failure passes when errno is EAGAIN or EINTR, or
// when socketPath names a file that is there (a refused connection to a server still starting
// or busy).
using RetryPause = std::function<void(std::chrono::milliseconds)>;
bool ConnectPatiently(const std::function<bool()>& connect, const std::string& socketPath,
                      const RetryPause& pause = [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); });

// The local socket of an X display name (":1", ":1.0", "unix:1"); empty for a remote one.
std::string X11SocketPath(const std::string& display);

// How long a server that took a connection may leave it without an answer. A busy server
// answers in well under a second; one that does not for this long is stopped or hung (a
// frozen session), and would leave us waiting for ever.
constexpr std::chrono::milliseconds kAnswerPatience{4000};

// An xcb connection to DISPLAY's server, patiently; nullptr when there is none, or when an
// attempt goes unanswered for `patience`.
void* OpenX11Display(std::chrono::milliseconds patience = kAnswerPatience);
void CloseX11Display(void* display);

// While it lives, asks the server of an open display for a reply every little while, and
// calls gaveUp (on a thread of its own) when one has not come within `patience`. Nothing
// else may use the display meanwhile. A display that is null or lost is not watched.
class X11AnswerWatch {
public:
    X11AnswerWatch(void* display, std::chrono::milliseconds patience, std::function<void()> gaveUp);
    ~X11AnswerWatch();
    X11AnswerWatch(const X11AnswerWatch&) = delete;
    X11AnswerWatch& operator=(const X11AnswerWatch&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace platform
