#include "platform/Text.h"

namespace platform {

Text TextId::Arg(std::string value) const { return Text(*this).Arg(std::move(value)); }
Text TextId::Arg(long long value) const { return Text(*this).Arg(value); }

Text Text::Verbatim(std::string text) {
    Text verbatim;
    verbatim.source_ = std::move(text);
    return verbatim;
}

Text& Text::Arg(std::string value) {
    args_.push_back(std::move(value));
    return *this;
}

std::string Text::Fill(std::string_view pattern) const {
    std::string filled;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t n = i + 1 < pattern.size() && pattern[i] == '%' ? size_t(pattern[i + 1] - '1') : args_.size();
        if (n < args_.size()) {
            filled += args_[n];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

} // namespace platform
