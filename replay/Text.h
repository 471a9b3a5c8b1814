#pragma once
// Bytes from files and command lines shown as text.
#include <cstddef>
#include <string>
#include <string_view>

namespace replay {

// The length of the well-formed UTF-8 sequence that `bytes` begins with, 0 if there is none.
size_t Utf8_Length(std::string_view bytes);

// Text safe for a terminal: control characters and bytes that are not UTF-8 become \xNN.
std::string Printable(std::string_view bytes);

} // namespace replay
