#pragma once
// A small chip-style synthesizer: band-limited pulses, a stepped triangle, LFSR noise drums,
// all mixed into one stereo float buffer.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace music {

constexpr int kRate = 44100;

struct Stereo {
    explicit Stereo(size_t frames) : l(frames, 0.0f), r(frames, 0.0f) {}
    size_t Frames() const { return l.size(); }
    // pan 0 is hard left, 1 hard right. The mix is normalised afterwards, so a linear law will do.
    void Add(size_t i, double v, double pan) {
        if (i >= l.size()) return;
        l[i] += static_cast<float>(v * (1.0 - pan));
        r[i] += static_cast<float>(v * pan);
    }
    std::vector<float> l, r;
};

enum class Wave { Pulse, Triangle };

struct Instrument {
    Wave wave = Wave::Pulse;
    double duty = 0.25;
    double attack = 0.004, decay = 0.08, sustain = 0.7, release = 0.03;  // seconds, level
    double vibratoDepth = 0.0;  // semitones, fading in after the first 120 ms of a note
    double gain = 0.3;
    double pan = 0.5;
};

// One note from `start` for `length` samples; the release rings on past the end.
void RenderNote(Stereo& out, const Instrument& ins, double start, double length, int midi, double velocity = 1.0);

enum class Drum { Kick, Snare, Hat, SoftHat, OpenHat, Crash };
void RenderDrum(Stereo& out, Drum drum, double start, double gain);

double MidiToHz(int midi);

// The raw voices, for the sound effects: phase t in [0, 1), dt the phase step per sample.
// A zero-mean pulse, high for `duty` of the period, swinging over a span of 2.
double Pulse(double t, double dt, double duty);
// Sixteen levels like the old sound chips: the steps give the bass its grit.
double Triangle(double t);

// The chip's noise: a 15-bit shift register clocked at its own rate, ±1.
class Lfsr {
public:
    explicit Lfsr(double clockHz) : step_(clockHz / kRate) {}
    void SetClock(double clockHz) { step_ = clockHz / kRate; }
    double Next();

private:
    uint16_t reg_ = 1;
    double phase_ = 0.0;
    double step_;
};

} // namespace music
