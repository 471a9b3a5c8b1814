#pragma once
// The words the player reads are Japanese in the code, as they always were; other languages
// come from Qt's translation files (translations/*.ts). Code that does not include Qt marks
// each text with TR_TEXT(context, source): lupdate collects the marks (the build has it read
// TR_TEXT as QT_TRANSLATE_NOOP), and the window that shows the text looks it up in the
// translation in force. Values go where the text has %1, %2, ... %9.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Text;

// A marked text: its place in the translation and its Japanese words.
struct TextId {
    const char* context;
    const char* source;

    Text Arg(std::string value) const;
    Text Arg(long long value) const;
};

// A text for a message box: marked, with its values, or verbatim (shown as it is).
class Text {
public:
    Text(TextId id) : context_(id.context), source_(id.source) {}
    static Text Verbatim(std::string text);

    Text& Arg(std::string value);
    Text& Arg(long long value) { return Arg(std::to_string(value)); }

    // Null for a verbatim text, which has no translation.
    const char* Context() const { return context_; }
    const std::string& Source() const { return source_; }
    // The Japanese text with its values in place.
    std::string Japanese() const { return Fill(source_); }
    // A wording of this text, its source or a translation, with the values in place. One pass:
    // a value that itself holds "%1" stays as it is.
    std::string Fill(std::string_view pattern) const;

private:
    Text() = default;
    const char* context_ = nullptr;
    std::string source_;
    std::vector<std::string> args_;
};

} // namespace platform

#define TR_TEXT(context, source) (::platform::TextId{context, source})
