#pragma once
// Game controllers through SDL's game-controller API, whose database of mappings knows the
// common pads. Only SDL's controller and joystick subsystems run: no SDL window, video or sound.
#include <cstdint>
#include <functional>
#include <vector>

struct _SDL_GameController;

namespace input {

// What the controllers hold, in the game's terms. Several controllers add up.
enum PadButton : int {
    PadLeft, PadUp, PadRight, PadDown,  // d-pad, or the left stick beyond its dead zone
    PadA, PadB, PadX, PadY,             // face buttons: south, east, west, north
    PadLB, PadRB,                       // shoulders
    PadStart, PadBack, PadButtonCount,
};

class SdlGamepads {
public:
    // Where SDL cannot start, one line on standard error says so and no controller ever shows.
    SdlGamepads();
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Takes in what happened since the last call: controllers plugged in or pulled out,
    // buttons, the stick. onChange hears every button of the sum going down or up, in order,
    // so that a press shorter than the time between two calls is not lost.
    void Poll();
    bool Running() const { return running_; }
    bool Held(PadButton button) const { return (held_ >> button) & 1; }
    int Connected() const { return static_cast<int>(pads_.size()); }
    std::function<void(PadButton button, bool down)> onChange;

private:
    struct Pad {
        int32_t id;
        _SDL_GameController* controller;
        uint32_t buttons;  // bits by SDL's button numbers
        int16_t x, y;      // left stick
    };
    Pad* Find(int32_t id);
    void Open(int deviceIndex);
    void Close(int32_t id);
    void Sum();

    bool running_ = false;
    std::vector<Pad> pads_;
    uint32_t held_ = 0;
};

} // namespace input
