#include "input/SdlGamepads.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>

namespace input {

namespace {
// A quarter of the stick's travel: a resting or worn stick never steers.
constexpr int kDeadZone = 32768 / 4;

uint32_t Bit(int n) { return 1u << n; }
} // namespace

SdlGamepads::SdlGamepads() {
    // SDL must leave Ctrl+C and kill to the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "ponigari: no game controllers (%s); the keyboard plays\n", SDL_GetError());
        return;
    }
    running_ = true;
    // The controllers already plugged in come as plug-in events, like later ones.
}

SdlGamepads::~SdlGamepads() {
    if (!running_) return;
    for (const Pad& pad : pads_) SDL_GameControllerClose(pad.controller);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

SdlGamepads::Pad* SdlGamepads::Find(int32_t id) {
    for (Pad& pad : pads_)
        if (pad.id == id) return &pad;
    return nullptr;
}

void SdlGamepads::Open(int deviceIndex) {
    if (Find(SDL_JoystickGetDeviceInstanceID(deviceIndex))) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    Pad pad{SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)), controller, 0, 0, 0};
    // A button held while plugging in sends no event of its own.
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
        if (SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(b))) pad.buttons |= Bit(b);
    pad.x = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    pad.y = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
    pads_.push_back(pad);
}

void SdlGamepads::Close(int32_t id) {
    const auto pad = std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
    if (pad == pads_.end()) return;
    SDL_GameControllerClose(pad->controller);
    pads_.erase(pad);
}

void SdlGamepads::Poll() {
    if (!running_) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: Open(event.cdevice.which); break;
        case SDL_CONTROLLERDEVICEREMOVED: Close(event.cdevice.which); break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (Pad* pad = Find(event.cbutton.which)) {
                if (event.cbutton.state == SDL_PRESSED) pad->buttons |= Bit(event.cbutton.button);
                else pad->buttons &= ~Bit(event.cbutton.button);
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (Pad* pad = Find(event.caxis.which)) {
                if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) pad->x = event.caxis.value;
                if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) pad->y = event.caxis.value;
            }
            break;
        default: continue;
        }
        Sum();
    }
}

void SdlGamepads::Sum() {
    uint32_t held = 0;
    for (const Pad& pad : pads_) {
        const auto button = [&pad](SDL_GameControllerButton b) { return (pad.buttons & Bit(b)) != 0; };
        // Each axis of the stick counts on its own: a slanted stick may steer along one only.
        const bool pressed[PadButtonCount] = {
            button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || pad.x < -kDeadZone,
            button(SDL_CONTROLLER_BUTTON_DPAD_UP) || pad.y < -kDeadZone,
            button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || pad.x > kDeadZone,
            button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || pad.y > kDeadZone,
            button(SDL_CONTROLLER_BUTTON_A),
            button(SDL_CONTROLLER_BUTTON_B),
            button(SDL_CONTROLLER_BUTTON_X),
            button(SDL_CONTROLLER_BUTTON_Y),
            button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER),
            button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER),
            button(SDL_CONTROLLER_BUTTON_START),
            button(SDL_CONTROLLER_BUTTON_BACK),
        };
        for (int b = 0; b < PadButtonCount; ++b)
            if (pressed[b]) held |= Bit(b);
    }
    const uint32_t changed = held ^ held_;
    held_ = held;
    if (!onChange) return;
    for (int b = 0; b < PadButtonCount; ++b)
        if (changed & Bit(b)) onChange(static_cast<PadButton>(b), (held & Bit(b)) != 0);
}

} // namespace input
