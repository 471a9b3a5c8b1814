#include "app/ReplayMode.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "replay/ReplayPlayer.h"
#include "game/frmMain.h"

namespace glbSystem {

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

bool ReadFile(const QString& path, std::string& text) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return !in.bad();
}

} // namespace

int Play_ReplayFile(const ReplayRequest& request, platform::Host* live) {
    const std::string name = request.file.toStdString();
    std::string text;
    if (!ReadFile(request.file, text)) {
        std::fprintf(stderr, "ponigari: cannot read the replay %s\n", name.c_str());
        return 1;
    }
    replay::Replay r;
    const replay::ParseResult parsed = replay::Parse(text, r);
    if (!parsed.ok) {
        std::fprintf(stderr, "ponigari: %s:%d: %s\n", name.c_str(), parsed.line, parsed.message.c_str());
        return 1;
    }

    std::FILE* traceFile = nullptr;
    if (!request.trace.isEmpty()) {
        const std::string tracePath = request.trace.toStdString();
        traceFile = tracePath == "-" ? stdout : std::fopen(tracePath.c_str(), "wb");
        if (!traceFile) {
            std::fprintf(stderr, "ponigari: cannot write the trace to %s\n", tracePath.c_str());
            return 1;
        }
    }
    {
        replay::TraceWriter trace(traceFile ? traceFile : stdout);
        KeyboardMuffler muffler;
        if (live) qApp->installEventFilter(&muffler);
        replay::Play_Replay(r, {live, traceFile ? &trace : nullptr, request.frames});
        if (live) qApp->removeEventFilter(&muffler);
    }
    const bool written = traceFile == stdout ? std::fflush(stdout) == 0 && !std::ferror(stdout)
                                              : !traceFile || std::fclose(traceFile) == 0;
    if (!written) {
        std::fprintf(stderr, "ponigari: cannot write the trace to %s\n", request.trace.toStdString().c_str());
        return 1;
    }
    return 0;
}

} // namespace glbSystem
