#include "app/CommandLine.h"

#include <climits>
#include <cstdlib>
#include <string_view>
#include <sys/stat.h>

#include "platform/AtomicFile.h"
#include "replay/Text.h"

namespace app {

namespace {

constexpr char16_t kByteBase = 0xDC00;

bool StandsForByte(char16_t c) { return c >= kByteBase + 0x80 && c <= kByteBase + 0xFF; }

// The folder's real path and the name in it.
std::string Place(const std::string& name) {
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
    char real[PATH_MAX];
    if (!realpath(folder.c_str(), real)) return name;
    return std::string(real) + '/' + name.substr(slash == std::string::npos ? 0 : slash + 1);
}

} // namespace

QString Argument_Text(const char* bytes) {
    const std::string_view all(bytes);
    QString text;
    size_t i = 0;
    while (i < all.size()) {
        const size_t n = replay::Utf8_Length(all.substr(i));
        if (n) text += QString::fromUtf8(all.data() + i, static_cast<qsizetype>(n));
        else text += QChar(kByteBase + static_cast<unsigned char>(all[i]));
        i += n ? n : 1;
    }
    return text;
}

std::string File_Bytes(const QString& name) {
    std::string bytes;
    qsizetype run = 0;  // start of the text not yet converted
    for (qsizetype i = 0; i <= name.size(); ++i) {
        // A low surrogate of a pair is never a byte's stand-in: the pair's high half comes first.
        const bool single = i < name.size() && StandsForByte(name[i].unicode()) && (i == 0 || !name[i - 1].isHighSurrogate());
        if (i < name.size() && !single) continue;
        bytes += QStringView(name).sliced(run, i - run).toUtf8().toStdString();
        if (single) bytes += static_cast<char>(name[i].unicode() - kByteBase);
        run = i + 1;
    }
    return bytes;
}

bool Same_File(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    const bool hasA = stat(a.c_str(), &sa) == 0, hasB = stat(b.c_str(), &sb) == 0;
    if (hasA && hasB) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // A name not there yet, or a link that leads nowhere yet, names the place a write through
    // it would make.
    return Place(platform::Final_Target(a)) == Place(platform::Final_Target(b));
}

} // namespace app
