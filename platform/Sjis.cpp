#include "platform/Sjis.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>
#include <utility>

namespace platform {

namespace {

// Qt names it CP932; on Debian it is ICU's ibm-943_P15A-2003. That table swaps the control
// bytes 0x1A, 0x1C and 0x7F, so single bytes below 0x80 are mapped here, as ASCII, the way
// Windows maps them; ICU only sees half-width katakana and double-byte characters.
constexpr const char* kCodePage = "CP932";

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the UTF-8 sequence starting at `at`, or 1 when the bytes there are not one.
std::size_t SequenceLength(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length <= 1 || at + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
    return length;
}

// The converters are kept for speed, but one that met an error is replaced: with ICU, Qt's
// resetState() leaves the error flag set, and every later conversion would look failed.
template <typename Converter>
Converter& Fresh(std::optional<Converter>& converter) {
    if (!converter || converter->hasError()) converter.emplace(kCodePage, QStringConverter::Flag::Stateless);
    return *converter;
}

// One double-byte character, or U+FFFD when the pair is none (an unassigned code).
std::string DecodePair(unsigned char lead, unsigned char trail) {
    static std::optional<QStringDecoder> cached;
    QStringDecoder& decoder = Fresh(cached);
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    const QString text = decoder.decode(QByteArrayView(pair, 2));
    if (decoder.hasError() || text.size() != 1) return kReplacement;
    return text.toStdString();
}

// One conversion of the whole text says whether every character has its bytes: far quicker than
// one conversion per character on a long pasted text.
bool AllInCodePage(const std::string& text) {
    const QString wide = QString::fromUtf8(text);
    if (wide.contains(QChar::ReplacementCharacter)) return false;
    static std::optional<QStringEncoder> cached;
    QStringEncoder& encoder = Fresh(cached);
    const QByteArray bytes = encoder.encode(wide);  // taking the result is what runs the conversion
    return !encoder.hasError();
}

// A character's bytes, or '?' where the code page has none.
std::string BytesOrMark(const std::string& character) {
    std::string bytes = Sjis_Char(character);
    return bytes.empty() ? std::string(1, '?') : bytes;
}
} // namespace

std::vector<std::string> Utf8_Chars(const std::string& text) {
    std::vector<std::string> chars;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        chars.push_back(text.substr(at, length));
        at += length;
    }
    return chars;
}

std::string Sjis_Char(const std::string& character) {
    if (character.size() == 1 && static_cast<unsigned char>(character[0]) < 0x80) return character;
    const QString text = QString::fromUtf8(character);
    if (text.isEmpty() || text.contains(QChar::ReplacementCharacter)) return {};
    static std::optional<QStringEncoder> cached;
    QStringEncoder& encoder = Fresh(cached);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return {};
    return bytes.toStdString();
}

std::string Sjis_Encode(const std::string& text) {
    std::string bytes;
    for (const std::string& c : Utf8_Chars(text)) bytes += BytesOrMark(c);
    return bytes;
}

std::string Sjis_Decode(const std::string& bytes) {
    std::string text;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto b = static_cast<unsigned char>(bytes[at]);
        if (b < 0x80) {
            text += static_cast<char>(b);
        } else if (b >= 0xA1 && b <= 0xDF) {
            // Half-width katakana: U+FF61 onwards, three UTF-8 bytes.
            const unsigned code = 0xFF61 + (b - 0xA1);
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else if (IsLeadByte(b) && at + 1 < bytes.size() && IsTrailByte(static_cast<unsigned char>(bytes[at + 1]))) {
            text += DecodePair(b, static_cast<unsigned char>(bytes[at + 1]));
            ++at;
        } else {
            text += kReplacement;
        }
    }
    return text;
}

std::string Sjis_Field(const std::string& text, std::size_t size) {
    std::string bytes;
    for (const std::string& c : Utf8_Chars(text)) {
        const std::string b = BytesOrMark(c);
        if (bytes.size() + b.size() > size) break;
        bytes += b;
    }
    bytes.resize(size, ' ');
    return bytes;
}

std::string Sjis_Fit(const std::string& text, std::string& refused) {
    // Characters other systems type where Windows has its own code-page neighbour.
    static const std::pair<const char*, const char*> kLookAlikes[] = {
        {"〜", "～"}, {"−", "－"}, {"‖", "∥"}, {"—", "―"},
        {"¢", "￠"}, {"£", "￡"}, {"¬", "￢"}, {"¥", "￥"}, {"¦", "￤"},
    };
    refused.clear();
    if (AllInCodePage(text)) return text;
    std::string fitted;
    for (const std::string& c : Utf8_Chars(text)) {
        if (!Sjis_Char(c).empty()) {
            fitted += c;
            continue;
        }
        if (refused.find(c) == std::string::npos) refused += c;
        for (const auto& [from, to] : kLookAlikes)
            if (c == from) fitted += to;
    }
    return fitted;
}

} // namespace platform
