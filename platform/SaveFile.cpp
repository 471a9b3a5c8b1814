#include "platform/SaveFile.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>


namespace platform {

namespace {

// A device or a pipe, opened to take bytes as they come; it is never replaced by a file. A
// FIFO without a reader refuses at once instead of waiting for one; once open, a reader that
// is slow to take the bytes is waited for.
int Open_Other(const std::string& path, Descriptor& file) {
    file.Reset(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return errno;
    const int flags = ::fcntl(file.fd(), F_GETFL);
    return flags >= 0 && ::fcntl(file.fd(), F_SETFL, flags & ~O_NONBLOCK) == 0 ? 0 : errno;
}

int Write_Other(const std::string& path, std::string_view content) {
    Descriptor file;
    if (const int error = Open_Other(path, file)) return error;
    errno = 0;
    if (!Write_All(file.fd(), content)) return errno ? errno : EIO;
    return file.Close() ? 0 : errno;
}

// Where a save of this kind of name goes: 0 and the file to write, or why it cannot be.
int Target_Of(const std::string& path, FileKind kind, OtherFiles others, std::string& target) {
    if (kind == FileKind::Dangling && others == OtherFiles::Refuse) return ENOENT;
    target = Final_Target(path);
    // A file its owner made read-only is not to be written, even where the folder would let
    // it be replaced.
    if (kind == FileKind::Regular && ::access(target.c_str(), W_OK) != 0) return EACCES;
    return 0;
}

bool Refused_By_Folder(int error) { return error == EACCES || error == EPERM; }

} // namespace

int SaveStream::Open(const std::string& path) {
    const FileKind kind = Kind_Of(path);
    if (kind == FileKind::Other) return Open_Other(path, direct_);
    std::string target;
    if (const int error = Target_Of(path, kind, OtherFiles::WriteInPlace, target)) return error;
    const int error = atomic_.Open(target);
    replacing_ = error == 0;
    if (error == 0 || kind != FileKind::Regular || !Refused_By_Folder(error)) return error;
    direct_.Reset(Open_Regular(target, O_WRONLY | O_TRUNC));
    return direct_.fd() >= 0 ? 0 : errno;
}

int SaveStream::Finish() {
    if (replacing_) return atomic_.Commit();
    if (direct_.fd() < 0) return EBADF;
    return direct_.Close() ? 0 : errno;
}

FileKind Kind_Of(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
    if (errno != ENOENT) return FileKind::Other;
    return ::lstat(path.c_str(), &st) == 0 ? FileKind::Dangling : FileKind::Missing;
}

bool Write_In_Place(const std::string& target, std::string_view content) {
    Descriptor file(Open_Regular(target, O_RDWR));
    std::string old;
    if (file.fd() < 0 || !Read_Up_To(file.fd(), SIZE_MAX, old)) return false;
    const auto size = static_cast<off_t>(content.size());
    const bool written = ::lseek(file.fd(), 0, SEEK_SET) == 0 && Write_All(file.fd(), content) &&
                         ::ftruncate(file.fd(), size) == 0 && ::fsync(file.fd()) == 0;
    if (!written) {
        const bool restored = ::pwrite(file.fd(), old.data(), old.size(), 0) == static_cast<ssize_t>(old.size()) &&
                              ::ftruncate(file.fd(), static_cast<off_t>(old.size())) == 0 && ::fsync(file.fd()) == 0;
        static_cast<void>(restored);
    }
    return file.Close() && written;
}

int Save_File(const std::string& path, std::string_view content, OtherFiles others) {
    const FileKind kind = Kind_Of(path);
    if (kind == FileKind::Other) return others == OtherFiles::WriteInPlace ? Write_Other(path, content) : EINVAL;
    std::string target;
    if (const int error = Target_Of(path, kind, others, target)) return error;
    const int error = Replace_Atomically(target, content);
    if (error == 0 || kind != FileKind::Regular || !Refused_By_Folder(error)) return error;
    return Write_In_Place(target, content) ? 0 : error;
}

} // namespace platform
