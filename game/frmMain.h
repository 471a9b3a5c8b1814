#pragma once
// The game window: shows the frame image at the largest whole-number scale that fits, centred
// on black; turns key events into the game's key handlers; carries the pause label.
#include <QLabel>
#include <QWidget>
#include <bitset>
#include <functional>
#include <optional>

#include "game/FieldView.h"
#include "game/GameWindow.h"

namespace glbMain {

// Whether the game window opens full screen: set by --fullscreen, then as the last game's
// window was left (the F key or the window manager switch it).
inline bool gameFullScreen = false;

class frmMain : public QWidget {
    Q_OBJECT

public:
    frmMain();
    void Show_Frame(const draw::FrameImage& frame);
    QLabel* lblPause;
    // The keyboard went elsewhere: a running game pauses, as by a Ctrl press.
    void Pause_For_Focus_Loss();

private:
    // Where the field is drawn, in the window's own (device-independent) pixels.
    QRectF Field_Rect() const;
    // Sizes the pause label for the field's scale and centres it.
    void Fit_Pause();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    FieldView view_;
    // Keys, by virtual-key code, held down when this window last got the focus and not
    // released since: their events are not the game's.
    std::bitset<256> heldAtFocus_;
};

// Makes a window's client area width x height pixels, whatever its borders; the player may
// make it larger, not smaller.
void Resize_Client(QWidget* form, int width, int height);

// Loads a fresh frmMain for every game and discards it at the end, as the game flow expects.
class LiveGameWindow : public GameWindow {
public:
    ~LiveGameWindow() override;
    void Load() override;
    void Show() override;
    void SetVisible(bool visible) override;
    void Present(const draw::FrameImage& frame) override;
    void SetPauseCaption(int32_t score) override;
    void SetPauseVisible(bool visible) override;
    void Unload() override;
    frmMain* form() const { return form_; }
    // The focus as the live host saw it at an event pass: a running game that lost it pauses.
    void Focus_Sampled(bool focus);
    // Called with every fresh window before it shows: a replay's window dresses itself here.
    std::function<void(frmMain&)> onLoad;

private:
    frmMain* form_ = nullptr;
    bool hadFocus_ = false;
    std::optional<int32_t> captionScore_;  // the score the label shows, so an unchanged one costs nothing
};

} // namespace glbMain
