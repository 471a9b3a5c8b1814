#pragma once
// A game controller without hardware: one of SDL's virtual joysticks, which SDL maps as a
// standard pad (its buttons and axes numbered as SDL's controller names them). What is set
// here reaches the program at its next read of the controllers. SDL must be running.
#include <SDL2/SDL.h>

#include <QTimer>
#include <functional>
#include <vector>

class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    ~VirtualPad() { Unplug(); }
    bool Attached() const { return joystick_ != nullptr; }
    void Button(SDL_GameControllerButton button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down); }
    // The left stick, each axis from -1 to 1.
    void Stick(double x, double y) {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x * 32767));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y * 32767));
    }
    void Unplug() {
        if (!joystick_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

// Steps run in order from the event loop, each once its condition holds: they go on inside
// the game's frame loop, its pause hold and modal boxes, where a test's own code is not running.
class Steps {
public:
    using Step = std::pair<std::function<bool()>, std::function<void()>>;
    explicit Steps(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (next_ < steps_.size() && steps_[next_].first()) steps_[next_++].second();
        });
        timer_.start(5);
    }
    bool Done() const { return next_ == steps_.size(); }
    size_t Next() const { return next_; }

private:
    std::vector<Step> steps_;
    size_t next_ = 0;
    QTimer timer_;
};
