// Every text the windows show reaches the translations: lupdate, run over the program as the
// build runs it, finds each text translated and none that the program no longer shows, and no
// Japanese text of the sources escapes its marks. Rule texts keep their values apart from the
// words, so a translation may put them in its own order.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Text.h"

namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString kSource = qEnvironmentVariable("PONIGARI_TEST_DATA") + QStringLiteral("/../..");
const QDir kTranslations(kSource + QStringLiteral("/translations"));

bool HasNonAscii(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; });
}

// Every quoted text with Japanese in it from the program's sources in these folders, escapes
// resolved, with its file (as folder/name). Quotes side by side are separate texts.
struct Literal {
    QString file, text;
};
std::vector<Literal> JapaneseLiterals(std::initializer_list<const char*> folders) {
    static const QRegularExpression quoted(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    std::vector<Literal> texts;
    for (const char* folder : folders) {
        QDirIterator it(kSource + QLatin1Char('/') + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")});
        while (it.hasNext()) {
            const QString lines = Read(it.next()), file = QLatin1String(folder) + QLatin1Char('/') + it.fileName();
            for (const QString& line : lines.split('\n')) {
                if (line.trimmed().startsWith(QStringLiteral("//"))) continue;
                for (const auto& m : quoted.globalMatch(line))
                    if (HasNonAscii(m.captured(1)))
                        texts.push_back({file, m.captured(1).replace(QStringLiteral("\\r"), QStringLiteral("\r"))
                                                   .replace(QStringLiteral("\\n"), QStringLiteral("\n"))});
            }
        }
    }
    return texts;
}

} // namespace

TEST(TranslationTest, LupdateFindsEveryTextTranslatedAndNoneLeftOver) {
    const QStringList files = kTranslations.entryList({QStringLiteral("*.ts")});
    ASSERT_FALSE(files.isEmpty());
    QTemporaryDir work;
    for (const QString& file : files) {
        ASSERT_TRUE(QFile::copy(kTranslations.filePath(file), work.filePath(file)));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(PONIGARI_LUPDATE),
                      QStringLiteral(PONIGARI_LUPDATE_OPTIONS).split(QLatin1Char(' ')) +
                          QStringList{QStringLiteral("@" PONIGARI_TEXT_SOURCES), QStringLiteral("-ts"), work.filePath(file)});
        ASSERT_TRUE(lupdate.waitForFinished(120000));
        const QString said = QString::fromUtf8(lupdate.readAll());
        // lupdate warns of a text it cannot file under a context: lost to the translators.
        EXPECT_TRUE(lupdate.exitCode() == 0 && !said.contains(QStringLiteral("arning"))) << said.toStdString();

        const QString updated = Read(work.filePath(file));
        EXPECT_GE(updated.count(QStringLiteral("<message>")), 100);
        static const QRegularExpression open(QStringLiteral(R"re(<source>((?:(?!</source>).)*)</source>\s*<translation type="(\w+)")re"),
                                             QRegularExpression::DotMatchesEverythingOption);
        QString left;
        for (const auto& m : open.globalMatch(updated)) left += m.captured(2) + QStringLiteral(": ") + m.captured(1) + '\n';
        EXPECT_TRUE(left.isEmpty()) << file.toStdString()
                                    << ": run the update_translations target and translate these:\n" << left.toStdString();
    }
}

TEST(TranslationTest, EveryJapaneseTextOfTheProgramIsMarked) {
    // Japanese in the sources that no window shows as words: face names and sample glyphs,
    // Shift-JIS look-alikes, the music's file names and the command line's own help.
    const QStringList notWords = {QStringLiteral("ui/Fonts.cpp"), QStringLiteral("ui/Fonts.h"),
                                  QStringLiteral("platform/Sjis.cpp"), QStringLiteral("game/Bgm.cpp")};
    const QString translation = Read(kTranslations.filePath(QStringLiteral("ponigari_en.ts")));
    int checked = 0;
    for (const Literal& literal : JapaneseLiterals({"app", "game", "records", "platform", "ui", "input", "replay",
                                                     "draw", "enemies", "player", "state"})) {
        if (notWords.contains(literal.file) || literal.text.contains(QStringLiteral("shoot-'em-up"))) continue;
        ++checked;
        // As lupdate writes it; quotes written side by side are parts of one text.
        const QString written = literal.text.toHtmlEscaped().replace(u'\r', QStringLiteral("<byte value=\"xd\"/>"));
        EXPECT_TRUE(translation.contains(written))
            << literal.file.toStdString() << ": \"" << literal.text.toStdString() << "\" is not marked";
    }
    EXPECT_GE(checked, 70);
}

TEST(TranslationTest, ValuesGoInOnceWhereverTheWordsPutThem) {
    platform::Text text = TR_TEXT("test", "登録名は全角%1文字か半角%2文字以内にしてください。").Arg(10).Arg(20);
    EXPECT_EQ(text.Japanese(), "登録名は全角10文字か半角20文字以内にしてください。");
    EXPECT_EQ(text.Fill("up to %2 bytes: %1 wide or %2 narrow"), "up to 20 bytes: 10 wide or 20 narrow");
    // A value is never read for placeholders of its own; a placeholder without a value stays.
    EXPECT_EQ(TR_TEXT("test", "「%1」 %3 100%").Arg("%1%2").Japanese(), "「%1%2」 %3 100%");
}
