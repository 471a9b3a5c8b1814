// 迎撃戦. Intro riff, theme A, its answer A', a lyrical B section in the relative major's
// colours, and a turnaround that lands on E so the loop falls back into the A minor riff.
#include "Songs.h"

namespace music {

namespace {

//                     bass                                   arp                 kick                snare               hat                 lead duty
const Groove kIntro{"0 - 12 - 0 - 12 - 0 - 12 - 0 - 12 -", "................", "k.......k.......", "................", "..h...h...h...h.", 0.25};
const Groove kDrive{"0 - 12 - 0 - 12 - 0 - 12 - 0 - 12 -", "0123012301230123", "k.....k.k.......", "....s.......s...", "h.h.h.h.h.h.h.h.", 0.25};
const Groove kDrive2{"0 - 12 - 0 - 12 - 7 - 12 - 0 - 12 -", "3210321032103210", "k.....k.k.....k.", "....s..g....s.g.", "h.h.h.h.h.h.h.h.", 0.25};
const Groove kFill{"0 - 12 - 0 - 12 - 0 - 12 - 7 - 12 -", "0123012301230123", "k.....k.k.......", "....s...s.s.ssss", "h.h.h.h.h.......", 0.25};
const Groove kLyric{"0 - - 0 - - 7 - 12 - - 7 - - 0 -", "0.2.1.2.0.2.1.2.", "k..k..k.k..k..k.", "....s.......s...", "h.h.h.h.h.h.h.o.", 0.125};
const Groove kLyricFill{"0 - - 0 - - 7 - 12 - - 7 - - 12 -", "0.2.1.2.0.2.1.2.", "k..k..k.k.......", "....s...s.ssssss", "h.h.h.h.h.......", 0.125};
// The last bar walks the bass E, B, A, G# up into the A of the first bar.
const Groove kTurn{"0 - 12 - 0 - 12 - 0 - 7 - 5 - 4 .", "012301230123012.", "k.......k.k.k...", "....s...s.s.sss.", "h.h.h.h.........", 0.25};

} // namespace

Song StageTheme() {
    Song s;
    s.fileName = "迎撃戦.wav";
    s.lengthMs = 50386;
    s.lead = {Wave::Pulse, 0.25, 0.004, 0.10, 0.65, 0.04, 0.18, 0.34, 0.46};
    s.echo = {Wave::Pulse, 0.25, 0.004, 0.10, 0.65, 0.04, 0.18, 0.10, 0.85};
    s.riff = {Wave::Pulse, 0.50, 0.002, 0.06, 0.40, 0.02, 0.0, 0.12, 0.30};
    s.bass = {Wave::Triangle, 0.5, 0.003, 0.05, 0.90, 0.02, 0.0, 0.42, 0.5};
    s.echoSteps = 3;
    s.bars = {
        // Intro: the riff alone, then a pickup into the theme.
        {"Am", "", "A3 . A4 . E4 . A4 . C5 . A4 . E4 . A4 .", &kIntro, true},
        {"F", "", "F3 . F4 . C4 . F4 . A4 . F4 . C4 . F4 .", &kIntro},
        {"G", "", "G3 . G4 . D4 . G4 . B4 . G4 . D4 . G4 .", &kIntro},
        {"E", ". . . . . . . . E5 - D5 - C5 - B4 -", "E3 . E4 . B3 . E4 . G#4 . E4 . B3 . G#4 .", &kFill},
        // A
        {"Am", "A4 - - C5 - - E5 - A5 - - - G5 - E5 -", "", &kDrive, true},
        {"F", "F5 - - E5 - - D5 - C5 - - - A4 - C5 -", "", &kDrive},
        {"G", "D5 - - C5 - - B4 - G4 - - - B4 - D5 -", "", &kDrive},
        {"Am", "E5 - - - - - - - A4 - C5 - E5 - A5 -", "", &kDrive},
        {"Am", "C6 - - B5 - - A5 - E5 - - - A5 - B5 -", "", &kDrive},
        {"F", "C6 - - B5 - - A5 - F5 - - - E5 - F5 -", "", &kDrive},
        {"G", "G5 - - F5 - - E5 - D5 - - - B4 - D5 -", "", &kDrive},
        {"E", "E5 - - - - - - - G#4 - B4 - D5 - C5 B4", "", &kFill},
        // A': the same opening, ornamented, then it climbs away to C and turns home on E.
        {"Am", "A4 - - C5 - - E5 - A5 - - - G5 - E5 -", "", &kDrive2, true},
        {"F", "F5 - - E5 - - D5 - C5 - D5 C5 A4 - C5 -", "", &kDrive2},
        {"G", "D5 - - C5 - - B4 - G4 - A4 B4 C5 - D5 -", "", &kDrive2},
        {"C", "E5 - - - G5 - - - C6 - - - B5 - G5 -", "", &kDrive2},
        {"F", "A5 - - G5 - - F5 - A5 - - - C6 - A5 -", "", &kDrive2},
        {"Dm", "F5 - - E5 - - D5 - F5 - - - A5 - F5 -", "", &kDrive2},
        {"E", "E5 - - D5 - - C5 - B4 - - - G#4 - B4 -", "", &kDrive2},
        {"E", "E5 - - - - - - - - - - - . . . .", "", &kFill},
        // B: long notes on the thinner pulse, rising to the top of the piece.
        {"F", "C6 - - - - - A5 - - - - - F5 - G5 -", "", &kLyric, true},
        {"G", "D6 - - - - - B5 - - - - - G5 - A5 -", "", &kLyric},
        {"Em", "B5 - - - - - G5 - - - - - E5 - G5 -", "", &kLyric},
        {"Am", "A5 - - - - - - - E5 - A5 - C6 - E6 -", "", &kLyric},
        {"F", "F6 - - - E6 - - - C6 - - - A5 - - -", "", &kLyric},
        {"G", "D6 - - - C6 - - - B5 - - - G5 - - -", "", &kLyric},
        {"Am|E", "C6 - - - B5 - - - A5 - - - G#5 - - -", "", &kLyric},
        {"E", "B5 - - - - - - - - - - - E5 - G#5 -", "", &kLyricFill},
        // Turnaround: down the scale, up to E, and back to the riff.
        {"F", "A5 - - - G5 - F5 - E5 - - - D5 - C5 -", "", &kDrive},
        {"G", "B4 - - - C5 - D5 - G5 - - - F5 - D5 -", "", &kDrive},
        {"E", "E5 - - - - - - - G#5 - - - B5 - - -", "", &kDrive},
        {"E", "E6 - - - - - - - . . . . . . . .", "", &kTurn},
    };
    return s;
}

} // namespace music
