#pragma once
// A song as the composer writes it: bars of sixteen steps, a chord per bar (or per half),
// a lead line, and a groove that supplies bass, arpeggio and drums.
#include <string>
#include <vector>

#include "Synth.h"

namespace music {

// Step patterns are sixteen whitespace-separated tokens or sixteen characters.
struct Groove {
    const char* bass;   // tokens: semitones above the chord's root, "-" hold, "." rest
    const char* arp;    // characters: chord tone 0-3, '.' rest; played when a bar has no riff
    const char* kick;   // 'k'
    const char* snare;  // 's' hit, 'g' ghost note
    const char* hat;    // 'h' closed, 'i' soft, 'o' open
    double leadDuty;
};

struct Bar {
    const char* chord;  // "Am", "Bb", "E7", "Edim", or two halves "F|G"
    const char* lead;   // tokens: notes like "C#5" or "Bb4", "-" hold, "." rest; "" for silence
    const char* riff;   // a written line for the second pulse; "" lets the groove arpeggiate
    const Groove* groove;
    bool crash = false;
};

struct Song {
    std::string fileName;
    int lengthMs = 0;
    std::vector<Bar> bars;
    Instrument lead, echo, riff, bass;
    int echoSteps = 3;
    double kickGain = 0.5, snareGain = 0.5, hatGain = 0.28, crashGain = 0.2;
};

// The song at full length: lengthMs rounded to whole samples, every bar the same length.
Stereo Render(const Song& song);

// Pitches: "A4" is 69.
int ParseNote(const std::string& name);

} // namespace music
