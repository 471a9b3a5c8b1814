#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

// Where an installed program finds the installed translations, relative to its own folder.
#ifndef PONIGARI_TRANSLATIONS_FROM_PROGRAM
#define PONIGARI_TRANSLATIONS_FROM_PROGRAM "../../share/ponigari/translations"
#endif

namespace app {

namespace {

// The launcher's sentences (desktop/ponigari.in), word for word; %1 is the folder it names.
const char* const kLauncherLines[] = {
    QT_TRANSLATE_NOOP("app::Launcher", "HOME が設定されていないため、ランキングを置くフォルダが決まりません。"),
    QT_TRANSLATE_NOOP("app::Launcher", "ランキングを置くフォルダ「%1」を作れません。"),
    QT_TRANSLATE_NOOP("app::Launcher", "ランキングを置くフォルダ「%1」に入れません。"),
    QT_TRANSLATE_NOOP("app::Launcher", "XDG_DATA_HOME と HOME を確かめてください。"),
};

// The line in the player's language when it is one of the launcher's sentences.
std::optional<QString> Launcher_Line(const QString& line) {
    for (const char* source : kLauncherLines) {
        const QString words = QString::fromUtf8(source);
        const QString translated = QCoreApplication::translate("app::Launcher", source);
        const qsizetype at = words.indexOf(QLatin1String("%1"));
        if (at < 0) {
            if (line == words) return translated;
            continue;
        }
        const QString before = words.left(at), after = words.mid(at + 2);
        if (line.size() >= before.size() + after.size() && line.startsWith(before) && line.endsWith(after))
            return translated.arg(line.mid(before.size(), line.size() - before.size() - after.size()));
    }
    return std::nullopt;
}

} // namespace

std::optional<Language> Language_Named(const QString& name) {
    if (name == QLatin1String("ja")) return Language::Japanese;
    if (name == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

Language Desktop_Language() {
    // The locale for messages decides first, as for every other program: under C or POSIX a
    // program speaks its own language, and LANGUAGE does not count.
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty()) messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty()) messages = qgetenv("LANG");
    const QByteArray name = messages.split('.').first().split('@').first();
    if (name.isEmpty() || name == "C" || name == "POSIX") return Language::Japanese;
    const QStringList languages = QLocale::system().uiLanguages();
    const bool japanese = !languages.isEmpty() && QLocale(languages.first()).language() == QLocale::Japanese;
    return japanese ? Language::Japanese : Language::English;
}

bool Install_Language(Language language, const QStringList& folders) {
    if (language == Language::Japanese) return true;
    // Kept for the run: the translation stays in force until the program ends.
    static QTranslator* translator = nullptr;
    if (!translator) translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders)
        if (translator->load(QStringLiteral("ponigari_en"), folder)) return QCoreApplication::installTranslator(translator);
    std::fprintf(stderr, "ponigari: no English translation ponigari_en.qm in %s: the windows stay in Japanese\n",
                 qPrintable(folders.join(QStringLiteral(" or "))));
    return false;
}

QStringList Translation_Folders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/" PONIGARI_TRANSLATIONS_FROM_PROGRAM))};
}

QString Problem_Text(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = Launcher_Line(line).value_or(line);
    return lines.join(QLatin1Char('\n'));
}

} // namespace app
