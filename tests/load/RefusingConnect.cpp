// Loaded with LD_PRELOAD: one connection to an X server's socket in three is turned away with
// EAGAIN, as a server that is slow to accept does to a client that connects without blocking
// once its queue of waiting connections is full.
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <dlfcn.h>
#include <random>
#include <sys/socket.h>
#include <sys/un.h>

extern "C" int connect(int fd, const sockaddr* address, socklen_t length) {
    using Connect = int (*)(int, const sockaddr*, socklen_t);
    static const auto real = reinterpret_cast<Connect>(dlsym(RTLD_NEXT, "connect"));
    thread_local std::minstd_rand draw(std::random_device{}());
    const std::size_t pathStart = offsetof(sockaddr_un, sun_path);
    if (address && address->sa_family == AF_UNIX && length > pathStart) {
        const char* path = reinterpret_cast<const sockaddr_un*>(address)->sun_path;
        if (memmem(path, length - pathStart, "/.X11-unix/X", 12) && draw() % 3 == 0) {
            errno = EAGAIN;
            return -1;
        }
    }
    return real(fd, address, length);
}
