// The sound effects. They are short and sit under the music: the ones the player fires
// all the time (Balkan, hits on the boss, rockets) are the quietest, the explosions that
// end something the loudest, and none comes near full scale, so that a dozen at once in the
// game's mixer still leave room for the music.
#include "Effects.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "Master.h"

namespace music {

namespace {

std::vector<int> Steps(const char* text) {
    std::vector<int> steps;
    std::istringstream in(text);
    for (int s; in >> s;) steps.push_back(s);
    return steps;
}

void RenderLayer(Stereo& out, const Layer& layer) {
    const size_t first = static_cast<size_t>(std::llround(layer.start * kRate));
    const size_t count = static_cast<size_t>(std::llround(layer.seconds * kRate));
    const std::vector<int> steps = Steps(layer.steps);
    Lfsr noise(layer.fromHz);
    double phase = 0.0;
    for (size_t n = 0; n < count; ++n) {
        const double tau = static_cast<double>(n) / kRate;
        double hz = layer.fromHz * std::pow(layer.toHz / layer.fromHz, tau / layer.seconds);
        if (!steps.empty()) {
            const size_t step = static_cast<size_t>(tau / layer.stepSeconds) % steps.size();
            hz *= std::pow(2.0, steps[step] / 12.0);
        }
        // A millisecond's attack and a few to silence at the end: neither edge clicks.
        const double edge = std::min({1.0, tau / 0.001, (layer.seconds - tau) / 0.004});
        const double level = edge * std::exp(-tau / layer.decay) * layer.gain;
        double v = 0.0;
        switch (layer.voice) {
        case Voice::Pulse: v = Pulse(phase, hz / kRate, layer.duty); break;
        case Voice::Triangle: v = Triangle(phase); break;
        case Voice::Noise:
            noise.SetClock(hz);
            v = noise.Next();
            break;
        }
        phase += hz / kRate;
        phase -= std::floor(phase);
        out.Add(first + n, v * level, 0.5);
    }
}

} // namespace

std::vector<Effect> GameEffects() {
    using enum Voice;
    // Each layer: voice, start, length, from Hz, to Hz, duty, decay, gain, steps, step length.
    return {
        // A short chirp falling an octave with a tick of noise on top: it repeats every 100 ms.
        {"balkan.wav", -17,
         {{Pulse, 0, 0.055, 1760, 880, 0.125, 0.025, 1.0},
          {Noise, 0, 0.02, 20000, 8000, 0.5, 0.008, 0.3}}},
        // A rising wah that warbles between two octaves, over a triangle.
        {"sonic.wav", -13,
         {{Pulse, 0, 0.22, 330, 1320, 0.5, 0.12, 0.8, "0 12", 0.02},
          {Triangle, 0, 0.2, 110, 440, 0.5, 0.15, 0.7}}},
        // A buzzing zap falling three octaves, flickering a fifth.
        {"laser.wav", -13,
         {{Pulse, 0, 0.16, 3520, 440, 0.25, 0.07, 1.0, "0 7", 0.012},
          {Pulse, 0.004, 0.12, 1760, 220, 0.5, 0.05, 0.35}}},
        // A crunch: bright noise sinking, with a falling blip.
        {"poni.wav", -11,
         {{Noise, 0, 0.28, 12000, 1500, 0.5, 0.08, 1.0},
          {Pulse, 0, 0.12, 880, 110, 0.5, 0.05, 0.5}}},
        // A metallic tink, as short as a hit: it comes with every shot that lands.
        {"boss_hit.wav", -16,
         {{Pulse, 0, 0.05, 1320, 1250, 0.125, 0.015, 1.0, "0 -5", 0.02},
          {Noise, 0, 0.02, 30000, 30000, 0.5, 0.006, 0.4}}},
        // ガルモ falls: a long rumble, two more blasts inside it, a groaning triangle and a
        // falling minor arpeggio.
        {"boss_down.wav", -7,
         {{Noise, 0, 1.8, 6000, 200, 0.5, 0.6, 1.0},
          {Triangle, 0, 1.2, 160, 30, 0.5, 0.4, 0.8},
          {Noise, 0.25, 0.6, 3000, 300, 0.5, 0.15, 0.8},
          {Noise, 0.55, 0.6, 2500, 250, 0.5, 0.15, 0.8},
          {Pulse, 0, 0.5, 440, 110, 0.5, 0.3, 0.4, "12 7 3 0", 0.06}}},
        // A rising whoosh: noise climbing with a pulse under it.
        {"rocket.wav", -15,
         {{Noise, 0, 0.3, 2000, 9000, 0.5, 0.15, 0.7},
          {Pulse, 0, 0.2, 196, 392, 0.25, 0.08, 0.4}}},
        // A clang: a fifth on two pulses, sagging, with a hiss of noise.
        {"shield.wav", -11,
         {{Pulse, 0, 0.22, 1046, 940, 0.5, 0.07, 0.8},
          {Pulse, 0, 0.22, 1568, 1410, 0.25, 0.06, 0.5},
          {Noise, 0, 0.03, 16000, 16000, 0.5, 0.01, 0.5}}},
        // The ship breaks up: a chromatic fall over an explosion.
        {"ship_down.wav", -7,
         {{Pulse, 0, 0.55, 880, 220, 0.5, 0.35, 0.6, "12 11 10 9 8 7 6 5 4 3 2 1 0", 0.04},
          {Noise, 0, 1.0, 5000, 300, 0.5, 0.3, 1.0},
          {Triangle, 0, 0.6, 220, 40, 0.5, 0.25, 0.8}}},
        // A bright major arpeggio up two octaves, and its echo.
        {"item.wav", -11,
         {{Pulse, 0, 0.26, 1046, 1046, 0.25, 0.2, 1.0, "0 4 7 12 16 19 24", 0.035},
          {Pulse, 0.07, 0.26, 1046, 1046, 0.125, 0.2, 0.3, "0 4 7 12 16 19 24", 0.035}}},
        // The bomb: a flash of noise and a deep drop that fills the screen's white.
        {"bomb.wav", -7,
         {{Noise, 0, 1.4, 4000, 100, 0.5, 0.5, 1.0},
          {Triangle, 0, 0.9, 220, 30, 0.5, 0.35, 1.0},
          {Pulse, 0, 0.3, 110, 27, 0.5, 0.15, 0.5}}},
    };
}

Stereo RenderEffect(const Effect& effect) {
    double seconds = 0.0;
    for (const Layer& layer : effect.layers) seconds = std::max(seconds, layer.start + layer.seconds);
    Stereo out(static_cast<size_t>(std::ceil(seconds * kRate)));
    for (const Layer& layer : effect.layers) RenderLayer(out, layer);
    const double gain = std::pow(10.0, (effect.peakDb - Measure(out).peakDb) / 20.0);
    for (size_t i = 0; i < out.Frames(); ++i) {
        out.l[i] = static_cast<float>(out.l[i] * gain);
        out.r[i] = static_cast<float>(out.r[i] * gain);
    }
    return out;
}

} // namespace music
