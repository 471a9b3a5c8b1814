// One QApplication for every test program, on the offscreen platform unless told otherwise.
// The windows speak Japanese whatever the machine's locale, unless PONIGARI_TEST_LANG asks for
// a language as --lang does (ja, en), or for the desktop's ("desktop").
#include <QApplication>
#include <gtest/gtest.h>

#include "app/Language.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    // As the program: whole scale factors only (QT_FONT_DPI=120 stays at 1, 144 becomes 2).
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    if (const QString asked = qEnvironmentVariable("PONIGARI_TEST_LANG"); !asked.isEmpty()) {
        const auto language = asked == QLatin1String("desktop") ? app::Desktop_Language() : app::Language_Named(asked);
        if (!language || !app::Install_Language(*language, {QStringLiteral(PONIGARI_TRANSLATIONS_DIR)})) return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
