// ぽに狩り: the program's entry point. Reads the command line, makes sure there is a
// display, sets up the live platform and hands over to the title menu.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/LiveHost.h"
#include "app/Main.h"
#include "app/ReplayMode.h"
#include "game/frmMain.h"
#include "input/LivePads.h"
#include "input/PadKeys.h"
#include "platform/LiveSound.h"
#include "platform/QtMediaPlayer.h"
#include "platform/Random.h"
#include "prefs/Preferences.h"
#include "records/Ranking.h"
#include "replay/Recorder.h"
#include "replay/Text.h"
#include "ui/Fonts.h"
#include "ui/Window.h"

namespace {

// Qt names the program only once the application exists; the options are read before that.
QString Usage(const QCommandLineParser& parser) {
    return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("ponigari"));
}

// A typed word as the terminal may show it: control bytes escaped, never sent on.
std::string Shown(const QString& text) { return replay::Printable(app::File_Bytes(text)); }

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << app::Argument_Text(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ぽに狩り — a horizontal shoot-'em-up."));
    // Qt's own help option would also list --help-all, for Qt's options, which this parser
    // does not take.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                        QStringLiteral("Displays help on commandline options."));
    parser.addOption(helpOption);
    QCommandLineOption versionOption(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    parser.addOption(versionOption);
    QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed the random generator with S instead of the clock."),
                                  QStringLiteral("S"));
    QCommandLineOption platformOption(QStringLiteral("platform"), QStringLiteral("Qt platform plugin to use."),
                                      QStringLiteral("name"));
    QCommandLineOption recordOption(QStringLiteral("record"),
                                    QStringLiteral("Write each game's replay to FILE when it ends (the last game wins)."),
                                    QStringLiteral("FILE"));
    QCommandLineOption replayOption(QStringLiteral("replay"), QStringLiteral("Play the replay in FILE, then exit."),
                                    QStringLiteral("FILE"));
    QCommandLineOption headlessOption(QStringLiteral("headless"),
                                      QStringLiteral("With --replay: no window, no pacing, no sound, no ranking file."));
    QCommandLineOption traceOption(QStringLiteral("trace"),
                                   QStringLiteral("Write the game's state after every pass to OUT as JSON lines "
                                                  "(- for standard output; in play, the last game's)."),
                                   QStringLiteral("OUT"));
    QCommandLineOption framesOption(QStringLiteral("frames"),
                                    QStringLiteral("With --replay: stop after N passes at most (headless without N: "
                                                   "after %1, with exit code 4).")
                                        .arg(app::kHeadlessPassLimit),
                                    QStringLiteral("N"));
    parser.addOption(seedOption);
    parser.addOption(platformOption);
    QCommandLineOption fullScreenOption(QStringLiteral("fullscreen"), QStringLiteral("Play in full screen (F switches)."));
    QCommandLineOption languageOption(QStringLiteral("lang"),
                                      QStringLiteral("The windows' language: ja (Japanese) or en (English). By "
                                                     "default the desktop's: Japanese for Japanese and for the C "
                                                     "locale, English for any other."),
                                      QStringLiteral("language"));
    parser.addOptions({recordOption, replayOption, headlessOption, traceOption, framesOption, fullScreenOption, languageOption});
    // The launcher's way of telling a player who started the game from the menu what stops it.
    QCommandLineOption problemOption(QStringLiteral("problem"),
                                     QStringLiteral("Show TEXT in a message box instead of playing, and exit."),
                                     QStringLiteral("TEXT"));
    parser.addOption(problemOption);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "ponigari: %s\n\n%s", Shown(parser.errorText()).c_str(), qPrintable(Usage(parser)));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qPrintable(Usage(parser)), stdout);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::puts("ponigari " PONIGARI_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "ponigari: unexpected argument '%s'\n\n%s", Shown(parser.positionalArguments().first()).c_str(),
                     qPrintable(Usage(parser)));
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
    const bool replaying = parser.isSet(replayOption);
    const char* misuse = nullptr;
    if (!replaying && parser.isSet(headlessOption)) misuse = "--headless plays a replay: give --replay FILE";
    if (!replaying && parser.isSet(framesOption)) misuse = "--frames limits a replay: give --replay FILE";
    if (replaying && parser.isSet(recordOption)) misuse = "--record and --replay do not go together";
    if (replaying && parser.isSet(seedOption)) misuse = "a replay brings its own seed: leave out --seed";
    app::ReplayRequest replayRequest{app::File_Bytes(parser.value(replayOption)),
                                           app::File_Bytes(parser.value(traceOption)), -1};
    const std::string recordPath = app::File_Bytes(parser.value(recordOption));
    // The ranking is the player's record of every result: no trace or replay goes over it.
    if (parser.isSet(recordOption) && app::Same_File(recordPath, glbSystem::RankFileName))
        misuse = "--record names the ranking file Ranking.sav, which it would overwrite";
    if (parser.isSet(traceOption) && replayRequest.trace != "-" && app::Same_File(replayRequest.trace, glbSystem::RankFileName))
        misuse = "--trace names the ranking file Ranking.sav, which it would overwrite";
    if (parser.isSet(traceOption) && replayRequest.trace != "-") {
        if (replaying && app::Same_File(replayRequest.file, replayRequest.trace))
            misuse = "--trace names the replay file, which it would overwrite";
        if (parser.isSet(recordOption) && app::Same_File(recordPath, replayRequest.trace))
            misuse = "--trace and --record name the same file";
    }
    const std::optional<app::Language> askedLanguage = app::Language_Named(parser.value(languageOption));
    if (parser.isSet(languageOption) && !askedLanguage) misuse = "--lang takes ja or en";
    if (parser.isSet(framesOption)) {
        bool ok = false;
        replayRequest.frames = parser.value(framesOption).toLongLong(&ok);
        if (!ok || replayRequest.frames < 0) misuse = "--frames takes a whole number of 0 or more";
    }
    if (misuse) {
        std::fprintf(stderr, "ponigari: %s\n\n%s", misuse, qPrintable(Usage(parser)));
        return 2;
    }
    if (replaying && parser.isSet(headlessOption)) return app::Play_ReplayFile(replayRequest, nullptr);
    const bool problem = parser.isSet(problemOption);

    // Whole scale factors only (a 1.5 desktop gets 2), so the game's pixels stay square blocks.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    const auto application = app::Open_Application(argc, argv, parser.value(platformOption));
    if (!application) {
        if (problem) std::fprintf(stderr, "ponigari: %s\n", qPrintable(parser.value(problemOption)));
        return 1;
    }
    app::Install_Language(askedLanguage.value_or(app::Desktop_Language()), app::Translation_Folders());
    QApplication::setApplicationName(QStringLiteral("ponigari"));
    QApplication::setWindowIcon(ui::Window_Icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ponigari.ponigari"));  // the menu entry's name
    ui::Install_Japanese_Fonts();

    app::LiveHost host;
    host.SetMediaPlayer(std::make_unique<platform::QtMediaPlayer>());
    host.SetEffects(std::make_unique<platform::LiveEffects>());
    prefs::Load_Preferences();
    platform::InstallHost(&host);
    glbMain::gameFullScreen = parser.isSet(fullScreenOption);
    if (problem) {
        const QString shown = app::Problem_Text(parser.value(problemOption));
        std::fprintf(stderr, "ponigari: %s\n", qPrintable(shown));
        platform::MsgBox(platform::Text::Verbatim(shown.toStdString()), platform::MB_OK,
                         TR_TEXT("app::Launcher", "Error !!"));
        return 1;
    }
    glbMain::LiveGameWindow window;
    glbMain::InstallWindow(&window);
    host.onFocusSampled = [&window](bool focus) { window.Focus_Sampled(focus); };

    if (replaying) {
        const int code = app::Play_ReplayFile(replayRequest, &host);
        glbMain::InstallWindow(nullptr);
        return code;
    }
    // Controllers play along in a game, never in a replay.
    input::LivePads pads;
    pads.onButton = input::Route_PadButton;
    host.SetPads(&pads);
    // Every game is seeded on its own from the run's seed, recorded or not.
    replay::Recorder recorder(host, seed);
    recorder.KeepGames(true);
    recorder.RecordTo(recordPath);
    recorder.TraceTo(replayRequest.trace);
    platform::InstallHost(&recorder);
    glbMain::gameObserver = &recorder;

    app::Main(seed);
    const int code = QApplication::exec();
    glbMain::gameObserver = nullptr;
    host.onFocusSampled = nullptr;
    platform::InstallHost(&host);
    glbMain::InstallWindow(nullptr);
    // A replay or trace that was asked for and lost fails the run.
    return code == 0 && !recorder.Error().empty() ? 1 : code;
}
