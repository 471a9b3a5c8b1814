#pragma once
// Shift-JIS (Windows code page 932) for the ranking file and the name-length rule. Text is
// UTF-8 everywhere else in the program.
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The characters of a UTF-8 text, one string each; a byte that is not valid UTF-8 stands alone.
std::vector<std::string> Utf8_Chars(const std::string& text);

// The code-page bytes of one character, or nothing when the code page has no such character.
std::string Sjis_Char(const std::string& character);

// The bytes of a text; a character the code page lacks becomes '?'.
std::string Sjis_Encode(const std::string& text);

// The text of code-page bytes. NUL stays NUL; a byte or pair that is no character becomes
// U+FFFD, so damaged bytes show as such and never merge with their neighbours.
std::string Sjis_Decode(const std::string& bytes);

// Exactly `size` bytes: the encoded text cut after its last whole character that fits (never
// half a double-byte character), then padded with blanks.
std::string Sjis_Field(const std::string& text, std::size_t size);

// The text with each character the code page lacks replaced by its usual code-page look-alike
// (〜 by ～, − by －, ...) or dropped; `refused` receives those characters, each once.
std::string Sjis_Fit(const std::string& text, std::string& refused);

} // namespace platform
