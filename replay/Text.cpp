#include "replay/Text.h"

namespace replay {

size_t Utf8_Length(std::string_view bytes) {
    if (bytes.empty()) return 0;
    const auto b = static_cast<unsigned char>(bytes[0]);
    // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
    size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3, low = b == 0xE0 ? 0xA0 : 0x80, high = b == 0xED ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4) n = 4, low = b == 0xF0 ? 0x90 : 0x80, high = b == 0xF4 ? 0x8F : 0xBF;
    if (n == 0 || bytes.size() < n) return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(bytes[k]);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return 0;
    }
    return n;
}

std::string Printable(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    size_t i = 0;
    while (i < bytes.size()) {
        const std::string_view rest = bytes.substr(i);
        const auto b = static_cast<unsigned char>(rest[0]);
        size_t n = Utf8_Length(rest);
        // Controls steer terminals: those of ASCII, DEL, and the C1 ones (U+0080 to U+009F).
        if (b < 0x20 || b == 0x7F || (n == 2 && b == 0xC2 && static_cast<unsigned char>(rest[1]) < 0xA0)) n = 0;
        if (n) {
            out.append(rest.substr(0, n));
            i += n;
        } else {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0xf];
            ++i;
        }
    }
    return out;
}

} // namespace replay
