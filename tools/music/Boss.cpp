// ボス戦. A pulsing D minor ostinato with a Phrygian sting (E flat), the theme over it, a
// half-time section that winds the tension up, the theme again an octave higher, and a
// diminished break that stops on A so the loop drops back onto the D of the ostinato.
#include "Songs.h"

namespace music {

namespace {

//                      bass                                      arp                 kick                snare               hat                 lead duty
const Groove kPulse{"0 . 0 12 0 . 0 12 0 . 0 12 1 . 1 13", "................", "k...k...k...k...", "................", "ihihihihihihihih", 0.25};
const Groove kDrive{"0 . 0 12 0 . 0 12 0 . 0 12 0 . 7 12", "0123012301230123", "k...k...k...k.k.", "....s.......s...", "h.h.h.h.h.h.h.h.", 0.25};
const Groove kFill{"0 . 0 12 0 . 0 12 0 . 0 12 0 . 7 12", "0123012301230123", "k...k...k...k...", "....s...s.s.ssss", "h.h.h.h.h.......", 0.25};
const Groove kHalf{"0 - 0 - 0 - 0 - 0 - 0 - 0 - 0 -", "0.1.2.3.0.1.2.3.", "k.......k.......", "........s.......", "h.h.h.h.h.h.h.h.", 0.125};
const Groove kRise{"0 . 0 12 0 . 0 12 0 . 0 12 0 . 0 12", "0.1.2.3.0.1.2.3.", "k...k...k...k...", "....s...s...sgss", "hihihihihihihihi", 0.125};
const Groove kBreak{"0 - - - - - - - - - - - - - - -", "0123012301230123", "k...............", "................", "i...i...i...i...", 0.5};
// The last bar hammers the dominant and leaves its final step empty.
const Groove kSting{"0 - - - - - - - 0 . 0 . 0 0 0 .", "012301230123012.", "k.......k.k.kkk.", "....s...s.ssssg.", "................", 0.5};

const char* const kOstinatoDm = "D4 A4 D5 A4 Eb5 A4 D5 A4 D4 A4 D5 A4 C#5 A4 D5 A4";

} // namespace

Song BossTheme() {
    Song s;
    s.fileName = "ボス戦.wav";
    s.lengthMs = 41508;
    s.lead = {Wave::Pulse, 0.25, 0.003, 0.08, 0.70, 0.035, 0.2, 0.33, 0.46};
    s.echo = {Wave::Pulse, 0.25, 0.003, 0.08, 0.70, 0.035, 0.2, 0.09, 0.85};
    s.riff = {Wave::Pulse, 0.125, 0.002, 0.05, 0.45, 0.02, 0.0, 0.16, 0.30};
    s.bass = {Wave::Triangle, 0.5, 0.002, 0.04, 0.90, 0.015, 0.0, 0.42, 0.5};
    s.echoSteps = 3;
    s.bars = {
        // The ostinato alone.
        {"Dm", "", kOstinatoDm, &kPulse, true},
        {"Dm", "", kOstinatoDm, &kPulse},
        {"Bb", "", "D4 Bb4 D5 Bb4 Eb5 Bb4 D5 Bb4 D4 Bb4 D5 Bb4 F5 Bb4 D5 Bb4", &kPulse},
        {"A", ". . . . . . . . E5 - F5 - E5 - C#5 -", "C#4 A4 C#5 A4 E5 A4 C#5 A4 C#4 A4 C#5 A4 E5 A4 G5 A4", &kFill},
        // Theme.
        {"Dm", "D5 - - - A4 - - - D5 - F5 - E5 - D5 -", "", &kDrive, true},
        {"A", "C#5 - - - E5 - - - A5 - - - G5 - E5 -", "", &kDrive},
        {"Bb", "F5 - - - D5 - - - Bb4 - D5 - F5 - Bb5 -", "", &kDrive},
        {"A", "A5 - - - - - G5 - F5 - - - E5 - - -", "", &kDrive},
        {"Dm", "D6 - - - C6 - - - A5 - - - F5 - A5 -", "", &kDrive},
        {"Gm", "Bb5 - - - A5 - - - G5 - - - D5 - G5 -", "", &kDrive},
        {"Eb", "G5 - - - F5 - - - Eb5 - - - Bb4 - Eb5 -", "", &kDrive},
        {"A", "E5 - - - - - - - C#5 - - - E5 - A5 -", "", &kFill},
        // Half time: the line climbs in sequence while the drums hold back.
        {"Bb", "F5 - - - - - - - D5 - F5 - Bb5 - - -", "", &kHalf, true},
        {"C", "G5 - - - - - - - E5 - G5 - C6 - - -", "", &kHalf},
        {"Dm", "A5 - - - - - F5 - - - D5 - - - F5 -", "", &kHalf},
        {"Dm", "A5 - - - D6 - - - C6 - A5 - F5 - E5 -", "", &kHalf},
        {"Bb", "F5 - - - - - - - D5 - F5 - Bb5 - D6 -", "", &kHalf},
        {"C", "E6 - - - - - - - C6 - E6 - G6 - E6 -", "", &kHalf},
        {"A", "C#6 - - - - - - - A5 - - - E5 - - -", "", &kRise},
        {"A", "A5 - G5 - F5 - E5 - D5 - C#5 - Bb4 - A4 -", "", &kFill},
        // Theme an octave higher where it can go.
        {"Dm", "D5 - - - A4 - - - D5 - F5 - A5 - D6 -", "", &kDrive, true},
        {"A", "C#6 - - - A5 - - - E5 - - - G5 - A5 -", "", &kDrive},
        {"Bb", "Bb5 - - - F5 - - - D5 - F5 - Bb5 - D6 -", "", &kDrive},
        {"A", "C#6 - - - - - - - E6 - - - C#6 - A5 -", "", &kDrive},
        {"Dm", "D6 - - - C6 - - - A5 - - - F5 - A5 -", "", &kDrive},
        {"Gm", "Bb5 - - - A5 - - - G5 - - - D5 - G5 -", "", &kDrive},
        {"Eb|A", "G5 - - - F5 - Eb5 - E5 - - - C#5 - E5 -", "", &kDrive},
        {"Dm", "D5 - - - - - - - - - - - . . . .", "", &kFill},
        // Break: long notes over a diminished shimmer, stopping on the dominant.
        {"Bb", "D5 - - - - - - - F5 - - - - - - -", "", &kBreak, true},
        {"Gm", "G5 - - - - - - - Bb5 - - - - - - -", "", &kBreak},
        {"Edim", "C#6 - - - Bb5 - - - G5 - - - E5 - - -", "", &kBreak},
        {"A", "A5 - - - - - - - . . . . . . . .", "", &kSting},
    };
    return s;
}

} // namespace music
