#include "platform/X11Display.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace platform {

std::chrono::milliseconds DisplayRetryPause(int retry) {
    return std::chrono::milliseconds(std::min(10 << std::min(retry, 8), 250));
}

bool ConnectPatiently(const std::function<bool()>& connect, const std::string& socketPath) {
    for (int retry = 0;; ++retry) {
        errno = 0;
        if (connect()) return true;
        const bool passing = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ||
                             (!socketPath.empty() && access(socketPath.c_str(), F_OK) == 0);
        if (!passing || retry == kDisplayRetries) return false;
        std::this_thread::sleep_for(DisplayRetryPause(retry));
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

void* OpenX11Display() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return nullptr;
    Display* display = nullptr;
    ConnectPatiently([&] { return (display = XOpenDisplay(name)) != nullptr; }, X11SocketPath(name));
    return display;
}

void CloseX11Display(void* display) {
    if (display) XCloseDisplay(static_cast<Display*>(display));
}

} // namespace platform
