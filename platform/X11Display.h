#pragma once
// Reaching the X server at start-up. A busy server turns connections away now and then (its
// queue of waiting connections is full, or it is not accepting yet), so a failed attempt is
// tried again for a while when the server's socket is there; with no socket there is no
// server, and that is said at once.
#include <chrono>
#include <functional>
#include <string>

namespace platform {

// The pauses between attempts: short at first, about one and a half seconds in all.
constexpr int kDisplayRetries = 10;
std::chrono::milliseconds DisplayRetryPause(int retry);

// Calls connect until it succeeds (true) or fails in a way that is not passing (false).
// A failure passes when errno is EAGAIN or EINTR, or when socketPath names a file that is
// there (a refused connection to a server still starting or busy).
bool ConnectPatiently(const std::function<bool()>& connect, const std::string& socketPath);

// The local socket of an X display name (":1", ":1.0", "unix:1"); empty for a remote one.
std::string X11SocketPath(const std::string& display);

// An Xlib Display* on DISPLAY's server, patiently; nullptr when there is none.
void* OpenX11Display();
void CloseX11Display(void* display);

} // namespace platform
