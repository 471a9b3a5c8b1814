#pragma once
// The language of the windows, chosen once at start-up: Japanese, the program's own, or
// English from the translation file translations/ponigari_en.ts, built to ponigari_en.qm.
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

enum class Language { Japanese, English };

// --lang's word for a language (ja, en); none for any other word.
std::optional<Language> Language_Named(const QString& name);

// The desktop's language for the player: Japanese when the first UI language is Japanese, and
// under the C or POSIX locale, where programs speak their own language; English for any other.
Language Desktop_Language();

// Puts the translation for `language` in force, from the first of `folders` that holds it.
// False, with a line on standard error, when English is asked for and no folder holds it: the
// windows then stay Japanese.
bool Install_Language(Language language, const QStringList& folders);

// Where the program keeps its translations: beside itself in the build folder, and the
// installed data folder.
QStringList Translation_Folders();

// The launcher's message (--problem) in the player's language, line by line: each line the
// launcher words is looked up, with the folder it names as its value; other lines, such as a
// system's own error, stay as they are.
QString Problem_Text(const QString& text);

} // namespace app
