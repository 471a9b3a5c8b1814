#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace music {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// PolyBLEP residual for a step at phase 0: rounds off the corner that would otherwise alias.
double Blep(double t, double dt) {
    if (t < dt) {
        const double x = t / dt;
        return x + x - x * x - 1.0;
    }
    if (t > 1.0 - dt) {
        const double x = (t - 1.0) / dt;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double Envelope(const Instrument& ins, double tau, double held) {
    auto level = [&ins](double x) {
        if (x < ins.attack) return x / ins.attack;
        x -= ins.attack;
        if (x < ins.decay) return 1.0 - (1.0 - ins.sustain) * x / ins.decay;
        return ins.sustain;
    };
    if (tau < held) return level(tau);
    const double r = tau - held;
    return r >= ins.release ? 0.0 : level(held) * (1.0 - r / ins.release);
}

struct DrumShape {
    double seconds;     // how long to render
    double noiseClock;  // Hz; 0 for none
    double noiseDecay;  // seconds
    double noiseLevel;
    bool bright;        // high-pass the noise (cymbals)
    double toneHz, toneSweepHz, toneSweepTime, toneDecay, toneLevel;
    double pan;
};

DrumShape ShapeOf(Drum drum) {
    switch (drum) {
    case Drum::Kick: return {0.30, 0, 0, 0, false, 46, 130, 0.028, 0.12, 1.0, 0.5};
    case Drum::Snare: return {0.24, 12000, 0.07, 0.65, false, 185, 40, 0.02, 0.04, 0.45, 0.5};
    case Drum::Hat: return {0.08, 44100, 0.018, 0.5, true, 0, 0, 1, 1, 0, 0.62};
    case Drum::SoftHat: return {0.06, 44100, 0.014, 0.28, true, 0, 0, 1, 1, 0, 0.62};
    case Drum::OpenHat: return {0.35, 44100, 0.11, 0.4, true, 0, 0, 1, 1, 0, 0.62};
    case Drum::Crash: return {1.6, 30000, 0.45, 0.45, true, 0, 0, 1, 1, 0, 0.38};
    }
    return {};
}

} // namespace

double Pulse(double t, double dt, double duty) {
    double v = (t < duty ? 1.0 : 0.0) - duty;
    v += 0.5 * Blep(t, dt);
    double fall = t - duty;
    if (fall < 0.0) fall += 1.0;
    v -= 0.5 * Blep(fall, dt);
    return 2.0 * v;
}

double Triangle(double t) {
    const double v = t < 0.5 ? 4.0 * t - 1.0 : 3.0 - 4.0 * t;
    return std::round((v + 1.0) * 7.5) / 7.5 - 1.0;
}

double Lfsr::Next() {
    phase_ += step_;
    while (phase_ >= 1.0) {
        phase_ -= 1.0;
        const unsigned bit = (reg_ ^ (reg_ >> 1)) & 1u;
        reg_ = static_cast<uint16_t>((reg_ >> 1) | (bit << 14));
    }
    return (reg_ & 1u) ? 1.0 : -1.0;
}

double MidiToHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void RenderNote(Stereo& out, const Instrument& ins, double start, double length, int midi, double velocity) {
    const double hz = MidiToHz(midi);
    const double held = length / kRate;
    const size_t first = static_cast<size_t>(std::llround(start));
    const size_t count = static_cast<size_t>(std::ceil((held + ins.release) * kRate));
    double phase = 0.0;
    for (size_t n = 0; n < count; ++n) {
        const double tau = static_cast<double>(n) / kRate;
        double f = hz;
        if (ins.vibratoDepth > 0.0 && tau > 0.12) {
            const double depth = ins.vibratoDepth * std::min(1.0, (tau - 0.12) / 0.15);
            f *= std::pow(2.0, depth * std::sin(kTwoPi * 5.5 * (tau - 0.12)) / 12.0);
        }
        const double dt = f / kRate;
        const double v = ins.wave == Wave::Pulse ? Pulse(phase, dt, ins.duty) : Triangle(phase);
        out.Add(first + n, v * Envelope(ins, tau, held) * ins.gain * velocity, ins.pan);
        phase += dt;
        if (phase >= 1.0) phase -= 1.0;
    }
}

void RenderDrum(Stereo& out, Drum drum, double start, double gain) {
    const DrumShape s = ShapeOf(drum);
    const size_t first = static_cast<size_t>(std::llround(start));
    const size_t count = static_cast<size_t>(s.seconds * kRate);
    Lfsr noise(s.noiseClock > 0 ? s.noiseClock : 1.0);
    double phase = 0.0, previous = 0.0;
    for (size_t n = 0; n < count; ++n) {
        const double tau = static_cast<double>(n) / kRate;
        // A short attack and a short fade at the end keep every hit free of clicks.
        const double edge = std::min({1.0, tau / 0.0008, (s.seconds - tau) / 0.01});
        double v = 0.0;
        if (s.noiseClock > 0) {
            double x = noise.Next();
            if (s.bright) {
                const double hp = x - previous;
                previous = x;
                x = 0.5 * hp;
            }
            v += x * s.noiseLevel * std::exp(-tau / s.noiseDecay);
        }
        if (s.toneLevel > 0) {
            const double f = s.toneHz + s.toneSweepHz * std::exp(-tau / s.toneSweepTime);
            v += std::sin(kTwoPi * phase) * s.toneLevel * std::exp(-tau / s.toneDecay);
            phase += f / kRate;
            if (phase >= 1.0) phase -= 1.0;
        }
        out.Add(first + n, v * edge * gain, s.pan);
    }
}

} // namespace music
