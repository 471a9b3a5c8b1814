#include "records/RankFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/SaveFile.h"

namespace glbSystem {

using namespace platform;

namespace {

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool Save(const std::string& path, const std::string& content) {
    return Save_File(path, content, OtherFiles::Refuse) == 0;
}

} // namespace

bool Read_File_Head(const std::string& path, std::size_t maxBytes, std::string& head, int64_t& length) {
    const FileKind kind = Kind_Of(path);
    if (kind == FileKind::Other || kind == FileKind::Dangling) return false;
    if (kind == FileKind::Missing) {
        // Created empty, exclusively: another copy of the program may be creating it right now.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
        if (fd >= 0) ::close(fd);
    }
    Descriptor file(Open_Regular(path, O_RDONLY));
    struct stat st {};
    std::string bytes;
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0 || !Read_Up_To(file.fd(), maxBytes, bytes)) return false;
    head = std::move(bytes);
    length = st.st_size;
    return true;
}

bool Patch_File(const std::string& path, const std::vector<FilePatch>& patches) {
    std::string content;
    const FileKind kind = Kind_Of(path);
    if (kind == FileKind::Other || kind == FileKind::Dangling) return false;
    if (kind == FileKind::Regular) {
        Descriptor old(Open_Regular(path, O_RDONLY));
        if (old.fd() < 0 || !Read_Up_To(old.fd(), SIZE_MAX, content)) return false;
    }
    for (const FilePatch& patch : patches) {
        const auto offset = static_cast<std::size_t>(patch.offset);
        if (content.size() < offset + patch.bytes.size()) content.resize(offset + patch.bytes.size(), '\0');
        std::copy(patch.bytes.begin(), patch.bytes.end(), content.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return Save(path, content);
}

bool Delete_File(const std::string& path) {
    switch (Kind_Of(path)) {
    case FileKind::Missing:
        return true;
    case FileKind::Dangling:
    case FileKind::Other:
        return false;
    case FileKind::Regular:
        break;
    }
    if (::access(path.c_str(), W_OK) != 0) return false;  // kept as its owner made it: read-only
    if (!IsLink(path) && ::unlink(path.c_str()) == 0) return true;
    return Save(path, {});
}

} // namespace glbSystem
