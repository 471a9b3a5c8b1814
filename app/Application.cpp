#include "app/Application.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/X11Display.h"

namespace app {

namespace {

const char* const kNoDisplayMessage = "ponigari: cannot open a display (is DISPLAY set and the X server running?)\n";

// The platforms Qt is to try, in order, and whether the first is an X server worth probing.
struct PlatformChoice {
    QByteArray list;
    bool probeX = false;
};

// Qt's xcb plugin connects once and gives up; the same entry listed again is another attempt.
QByteArray XcbAttempts(const QByteArray& entry) {
    QByteArrayList attempts;
    for (int i = 0; i <= platform::kDisplayRetries; ++i) attempts << entry;
    return attempts.join(';');
}

PlatformChoice Choose_Platform(const QString& platformArg) {
    QByteArray asked = platformArg.toUtf8();
    if (asked.isEmpty()) asked = qgetenv("QT_QPA_PLATFORM");
    if (!asked.isEmpty()) {
        const bool xcb = !asked.contains(';') && (asked == "xcb" || asked.startsWith("xcb:"));
        return xcb ? PlatformChoice{XcbAttempts(asked), true} : PlatformChoice{asked, false};
    }
    // Qt's own order: Wayland first on a Wayland desktop, then X.
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty() || qgetenv("XDG_SESSION_TYPE") == "wayland";
    const bool x = !qgetenv("DISPLAY").isEmpty();
    QByteArrayList order;
    if (wayland) order << "wayland";
    if (x) order << XcbAttempts("xcb");
    return {order.join(';'), x && !wayland};
}

// While the application is made, Qt's messages wait here: a failed platform ends the
// program with our own line, a refused X connection gets a pause before Qt's next attempt,
// and anything else is passed on once the application stands.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
int refusedConnections = 0;

// From inside Qt's start, where there is no way back.
[[noreturn]] void No_Display() {
    std::fputs(kNoDisplayMessage, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void Hold_Start_Message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt's own reason comes first where a platform plugin is missing or broken: the
        // display may well be there.
        for (const HeldMessage& message : heldMessages)
            if (message.category == "qt.qpa.plugin") std::fprintf(stderr, "%s\n", qPrintable(message.text));
        No_Display();
    }
    const bool xcb = context.category && std::strcmp(context.category, "qt.qpa.xcb") == 0;
    if (xcb && text.contains(QLatin1String("connect to display"), Qt::CaseInsensitive)) {
        std::this_thread::sleep_for(platform::DisplayRetryPause(refusedConnections++));
        return;
    }
    heldMessages.push_back({type, context.category, text});
}

} // namespace

std::unique_ptr<QApplication> Open_Application(int argc, char** argv, const QString& platformArg) {
    const PlatformChoice choice = Choose_Platform(platformArg);
    void* probe = nullptr;
    if (choice.list.isEmpty() || (choice.probeX && !(probe = platform::OpenX11Display()))) {
        std::fputs(kNoDisplayMessage, stderr);
        return nullptr;
    }
    // Qt keeps argc and argv for the application's lifetime.
    static std::vector<QByteArray> arguments;
    static std::vector<char*> qtArgv;
    static int qtArgc;
    for (int i = 0; i < argc; ++i) arguments.emplace_back(argv[i]);
    arguments.emplace_back("-platform");
    arguments.push_back(choice.list);
    for (QByteArray& argument : arguments) qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    qtArgc = static_cast<int>(arguments.size());

    const QtMessageHandler previous = qInstallMessageHandler(Hold_Start_Message);
    std::unique_ptr<QApplication> app;
    {
        // Qt's connection would wait for ever on a server that stopped since the probe.
        const platform::X11AnswerWatch watch(probe, platform::kAnswerPatience, No_Display);
        app = std::make_unique<QApplication>(qtArgc, qtArgv.data());
    }
    qInstallMessageHandler(previous);
    // The probe's connection is held until now: an X server that resets when its last
    // client leaves would otherwise be resetting just as Qt connects.
    platform::CloseX11Display(probe);
    for (const HeldMessage& message : heldMessages) {
        // A platform passed over for the next in the list (Wayland without Qt's Wayland
        // plugin, say) is no news once the application stands.
        if (message.category == "qt.qpa.plugin") continue;
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
    return app;
}

} // namespace app
