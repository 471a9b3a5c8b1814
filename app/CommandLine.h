#pragma once
// The command line's words and the files they name.
#include <QString>
#include <string>

namespace app {

// A word of the command line as text, and a file name back as the bytes it came as. A file
// name need not be UTF-8: each byte that is not stands for itself as U+DC80 to U+DCFF, a
// code that UTF-8 text never gives.
QString Argument_Text(const char* bytes);
std::string File_Bytes(const QString& name);

// Whether two names lead to the same file: the same file (through links, or hard links) where
// both exist, else the same place in the same folder for a write through them.
bool Same_File(const std::string& a, const std::string& b);

} // namespace app
