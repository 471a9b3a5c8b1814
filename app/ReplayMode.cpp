#include "app/ReplayMode.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>

#include "game/frmMain.h"
#include "replay/ReplayPlayer.h"
#include "replay/Text.h"

namespace app {

namespace {

// While a replay plays in the game window, the keyboard must not play along.
class KeyboardMuffler : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride: {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && dynamic_cast<glbMain::frmMain*>(widget->window())) return true;
            break;
        }
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The whole file; empty when it could be read, why not otherwise.
std::string ReadFile(const std::string& path, std::string& text) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return "it is a folder";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::strerror(errno);
    char block[1 << 16];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, n);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    return error ? std::strerror(error) : "";
}

} // namespace

int Play_ReplayFile(const ReplayRequest& request, platform::Host* live) {
    const std::string name = replay::Printable(request.file);
    std::string text;
    if (const std::string why = ReadFile(request.file, text); !why.empty()) {
        std::fprintf(stderr, "ponigari: cannot read the replay %s: %s\n", name.c_str(), why.c_str());
        return 1;
    }
    replay::Replay r;
    const replay::ParseResult parsed = replay::Parse(text, r);
    if (!parsed.ok) {
        std::fprintf(stderr, "ponigari: %s:%d: %s\n", name.c_str(), parsed.line, parsed.message.c_str());
        return 1;
    }

    std::optional<replay::TraceFile> trace;
    if (!request.trace.empty()) trace.emplace(request.trace);
    auto traceFailed = [&] {
        std::fprintf(stderr, "ponigari: cannot write the trace to %s: %s\n", replay::Printable(request.trace).c_str(),
                     trace->Reason().c_str());
        return 1;
    };
    if (trace && !trace->Writer()) return traceFailed();
    KeyboardMuffler muffler;
    if (live) qApp->installEventFilter(&muffler);
    const replay::PlayOutcome outcome = replay::Play_Replay(r, {live, trace ? trace->Writer() : nullptr, request.frames});
    if (live) qApp->removeEventFilter(&muffler);
    if (!outcome.desync.empty()) std::fprintf(stderr, "ponigari: %s: %s\n", name.c_str(), outcome.desync.c_str());
    if (trace && !trace->Close()) return traceFailed();
    return outcome.desync.empty() ? 0 : 3;
}

} // namespace app
