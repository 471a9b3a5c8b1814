#include "app/ReplayMode.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <optional>

#include "game/frmMain.h"
#include "replay/ReplayFile.h"
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

} // namespace

int Play_ReplayFile(const ReplayRequest& request, platform::Host* live) {
    const std::string name = replay::Printable(request.file);
    replay::Replay r;
    if (const std::string why = replay::Read_ReplayFile(request.file, r); !why.empty()) {
        std::fprintf(stderr, "ponigari: %s\n", why.c_str());
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
    // Headless, no one can close the window on a replay that never ends.
    const int64_t limit = live || request.frames >= 0 ? request.frames : kHeadlessPassLimit;
    const replay::PlayOutcome outcome = replay::Play_Replay(r, {live, trace ? trace->Writer() : nullptr, limit});
    if (live) qApp->removeEventFilter(&muffler);
    if (!outcome.desync.empty()) std::fprintf(stderr, "ponigari: %s: %s\n", name.c_str(), outcome.desync.c_str());
    const bool bounded = limit != request.frames && outcome.stop == replay::Stop::Limit && outcome.desync.empty();
    if (bounded)
        std::fprintf(stderr,
                     "ponigari: %s: stopped after %lld passes, the most a headless replay plays unless --frames "
                     "asks for more\n",
                     name.c_str(), static_cast<long long>(limit));
    if (trace && !trace->Close()) return traceFailed();
    return !outcome.desync.empty() ? 3 : bounded ? 4 : 0;
}

} // namespace app
