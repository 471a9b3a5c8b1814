#include "replay/ReplayFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "replay/Text.h"

namespace replay {

std::string Read_ReplayFile(const std::string& path, Replay& out) {
    const std::string name = Printable(path);
    auto cannot = [&](const std::string& why) { return "cannot read the replay " + name + ": " + why; };
    const platform::Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd() < 0) return cannot(std::strerror(errno));
    struct stat st {};
    if (fstat(file.fd(), &st) != 0) return cannot(std::strerror(errno));
    if (S_ISDIR(st.st_mode)) return cannot("it is a folder");
    // A file's size is known at once; a pipe's only as it is read.
    if (S_ISREG(st.st_mode) && st.st_size > kMaxReplayBytes)
        return cannot("it is far longer than any replay (more than " + std::to_string(kMaxReplayBytes >> 20) + " MiB)");

    Reader reader(out);
    char block[1 << 16];
    for (;;) {
        const ssize_t n = read(file.fd(), block, sizeof block);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return cannot(std::strerror(errno));
        if (!reader.Feed({block, static_cast<size_t>(n)})) break;
    }
    const ParseResult parsed = reader.Finish();
    return parsed.ok ? std::string() : name + ":" + std::to_string(parsed.line) + ": " + parsed.message;
}

} // namespace replay
