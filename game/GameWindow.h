#pragma once
// What the game flow needs of its window. The live frmMain implements it with Qt; headless
// runs and tests use HeadlessWindow.
#include <cstdint>

#include "draw/FrameImage.h"
#include "platform/Text.h"

namespace glbMain {

// The pause label's words, the score at %1.
inline constexpr platform::TextId kPauseCaption = TR_TEXT("glbMain::GameWindow", "PAUSE : Score %1 Points.");

class GameWindow {
public:
    virtual ~GameWindow() = default;
    // A fresh, hidden window: client area 320 x 240, centred on the screen.
    virtual void Load() = 0;
    virtual void Show() = 0;
    virtual void SetVisible(bool visible) = 0;
    // Shows the composed frame (the per-frame repaint).
    virtual void Present(const draw::FrameImage& frame) = 0;
    // The pause label: the score its caption tells (kept centred) and whether it shows. It is
    // told every frame, so only the score goes: the window words it when the score changes.
    virtual void SetPauseCaption(int32_t score) = 0;
    virtual void SetPauseVisible(bool visible) = 0;
    virtual void Unload() = 0;
};

// A window that shows nothing and remembers what it was told.
class HeadlessWindow : public GameWindow {
public:
    void Load() override { loaded = true; visible = false; }
    void Show() override { visible = true; }
    void SetVisible(bool v) override { visible = v; }
    void Present(const draw::FrameImage&) override { ++presents; }
    void SetPauseCaption(int32_t score) override { pauseScore = score; }
    void SetPauseVisible(bool v) override { pauseVisible = v; }
    void Unload() override { loaded = false; visible = false; }

    bool loaded = false;
    bool visible = false;
    bool pauseVisible = false;
    int32_t pauseScore = 0;
    long presents = 0;
};

GameWindow& Window();
void InstallWindow(GameWindow* window);

} // namespace glbMain
