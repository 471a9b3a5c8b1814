#include "platform/X11Display.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace platform {

namespace {
using Clock = std::chrono::steady_clock;
} // namespace

std::chrono::milliseconds DisplayRetryPause(int retry) {
    return std::chrono::milliseconds(std::min(10 << std::min(retry, 8), 250));
}

bool ConnectPatiently(const std::function<bool()>& connect, const std::string& socketPath, const RetryPause& pause) {
    for (int retry = 0;; ++retry) {
        errno = 0;
        if (connect()) return true;
        const bool passing = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ||
                             (!socketPath.empty() && access(socketPath.c_str(), F_OK) == 0);
        if (!passing || retry == kDisplayRetries) return false;
        pause(DisplayRetryPause(retry));
    }
}

std::string X11SocketPath(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos) return {};
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") return {};
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return {};
    return "/tmp/.X11-unix/X" + number;
}

void* OpenX11Display(std::chrono::milliseconds patience) {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return nullptr;
    // The attempts run on a thread of their own, so that one a server never answers is left
    // waiting there while we go on.
    struct Attempts {
        std::mutex mutex;
        std::condition_variable changed;
        Clock::time_point began = Clock::now();  // of the attempt under way
        bool done = false, abandoned = false;
        xcb_connection_t* connection = nullptr;
    };
    const auto attempts = std::make_shared<Attempts>();
    std::thread([attempts, display = std::string(name)] {
        xcb_connection_t* connection = nullptr;
        ConnectPatiently(
            [&] {
                {
                    const std::lock_guard lock(attempts->mutex);
                    attempts->began = Clock::now();
                }
                connection = xcb_connect(display.c_str(), nullptr);
                if (!xcb_connection_has_error(connection)) return true;
                const int error = errno;
                xcb_disconnect(connection);
                connection = nullptr;
                errno = error;
                return false;
            },
            X11SocketPath(display));
        const std::lock_guard lock(attempts->mutex);
        if (attempts->abandoned) {
            if (connection) xcb_disconnect(connection);
            return;
        }
        attempts->connection = connection;
        attempts->done = true;
        attempts->changed.notify_all();
    }).detach();

    std::unique_lock lock(attempts->mutex);
    while (!attempts->done) {
        if (Clock::now() - attempts->began >= patience) {
            attempts->abandoned = true;
            return nullptr;
        }
        attempts->changed.wait_until(lock, attempts->began + patience);
    }
    return attempts->connection;
}

void CloseX11Display(void* display) {
    if (display) xcb_disconnect(static_cast<xcb_connection_t*>(display));
}

X11AnswerWatch::X11AnswerWatch(void* display, std::chrono::milliseconds patience, std::function<void()> gaveUp) {
    auto* connection = static_cast<xcb_connection_t*>(display);
    if (!connection || xcb_connection_has_error(connection)) return;
    thread_ = std::thread([this, connection, patience, gaveUp = std::move(gaveUp)] {
        std::unique_lock lock(mutex_);
        while (!stop_) {
            const Clock::time_point asked = Clock::now();
            const unsigned sequence = xcb_get_input_focus(connection).sequence;
            xcb_flush(connection);
            for (;;) {
                void* reply = nullptr;
                xcb_generic_error_t* error = nullptr;
                if (xcb_poll_for_reply(connection, sequence, &reply, &error)) {
                    std::free(reply);
                    std::free(error);
                    break;
                }
                // A server that went away is no longer ours to watch: whoever connects to it
                // next is told so at once.
                if (xcb_connection_has_error(connection)) return;
                if (Clock::now() - asked >= patience) {
                    lock.unlock();
                    gaveUp();
                    return;
                }
                if (wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return stop_; })) return;
            }
            wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stop_; });
        }
    });
}

X11AnswerWatch::~X11AnswerWatch() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

} // namespace platform
