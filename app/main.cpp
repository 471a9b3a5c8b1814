// ぽに狩り: the program's entry point. Reads the command line, makes sure there is a
// display, sets up the live platform and hands over to the title menu.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/glbSystem.h"
#include "game/frmMain.h"
#include "platform/LiveHost.h"
#include "platform/QtMediaPlayer.h"
#include "platform/Random.h"
#include "platform/X11KeyMap.h"

namespace {

// Qt aborts when it cannot reach the display; say so plainly instead.
bool DisplayAvailable(const QString& platformArg) {
    QByteArray platform = platformArg.toUtf8();
    if (platform.isEmpty()) platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb")) return true;
    if (platform.isEmpty() && !qgetenv("WAYLAND_DISPLAY").isEmpty()) return true;
    return platform::CanOpenX11Display();
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ぽに狩り — a horizontal shoot-'em-up."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed the random generator with S instead of the clock."),
                                  QStringLiteral("S"));
    QCommandLineOption platformOption(QStringLiteral("platform"), QStringLiteral("Qt platform plugin to use."),
                                      QStringLiteral("name"));
    parser.addOption(seedOption);
    parser.addOption(platformOption);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "ponigari: %s\n\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "ponigari: unexpected argument '%s'\n\n%s", qPrintable(parser.positionalArguments().first()),
                     qPrintable(parser.helpText()));
        return 2;
    }
    uint64_t seed = platform::ClockSeed();
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "ponigari: --seed takes a whole number from 0 to 18446744073709551615\n");
            return 2;
        }
    }
    if (!DisplayAvailable(parser.value(platformOption))) {
        std::fprintf(stderr, "ponigari: cannot open a display (is DISPLAY set and the X server running?)\n");
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ponigari"));
    QApplication::setApplicationDisplayName(QStringLiteral("ぽに狩り"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/icon32.png")));

    platform::LiveHost host;
    host.SetMediaPlayer(std::make_unique<platform::QtMediaPlayer>());
    platform::InstallHost(&host);
    glbMain::LiveGameWindow window;
    glbMain::InstallWindow(&window);

    glbSystem::Main(seed);
    const int code = QApplication::exec();
    glbMain::InstallWindow(nullptr);
    return code;
}
