#include "Score.h"

#include <array>
#include <cmath>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace music {

namespace {

constexpr int kSteps = 16;

int PitchClass(const std::string& name, size_t& pos) {
    static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G') throw std::runtime_error("bad pitch '" + name + "'");
    int pc = kLetters[name[0] - 'A'];
    pos = 1;
    if (pos < name.size() && name[pos] == '#') ++pc, ++pos;
    else if (pos < name.size() && name[pos] == 'b') --pc, ++pos;
    return pc;
}

std::vector<std::string> Tokens(const char* text, int bar) {
    std::vector<std::string> tokens;
    std::istringstream in(text);
    for (std::string t; in >> t;) tokens.push_back(t);
    if (!tokens.empty() && tokens.size() != kSteps)
        throw std::runtime_error("bar " + std::to_string(bar + 1) + ": " + std::to_string(tokens.size()) +
                                 " steps in '" + text + "'");
    return tokens;
}

void CheckPattern(const char* pattern, int bar) {
    if (std::strlen(pattern) != kSteps) throw std::runtime_error("bar " + std::to_string(bar + 1) + ": pattern '" + pattern + "'");
}

struct Chord {
    int root = 0;  // pitch class
    std::array<int, 4> tones{};
};

Chord ParseChord(const std::string& name) {
    size_t pos = 0;
    Chord c;
    c.root = (PitchClass(name, pos) + 12) % 12;
    const std::string kind = name.substr(pos);
    if (kind.empty()) c.tones = {0, 4, 7, 12};
    else if (kind == "m") c.tones = {0, 3, 7, 12};
    else if (kind == "7") c.tones = {0, 4, 7, 10};
    else if (kind == "m7") c.tones = {0, 3, 7, 10};
    else if (kind == "dim") c.tones = {0, 3, 6, 9};
    else throw std::runtime_error("unknown chord '" + name + "'");
    return c;
}

// The chord sounding at each half of a bar.
std::array<Chord, 2> BarChords(const char* text) {
    const std::string s(text);
    const size_t bar = s.find('|');
    if (bar == std::string::npos) {
        const Chord c = ParseChord(s);
        return {c, c};
    }
    return {ParseChord(s.substr(0, bar)), ParseChord(s.substr(bar + 1))};
}

// The lowest pitch of class pc at or above `floor`.
int Place(int pc, int floor) { return floor + ((pc - floor) % 12 + 12) % 12; }

struct Event {
    int step, length, midi;
    double duty;
};

// Turns token lines into notes; a "-" continues the note before it, across bars too.
class LineReader {
public:
    void Feed(const std::vector<std::string>& tokens, int firstStep, double duty) {
        for (int i = 0; i < kSteps; ++i) {
            const std::string& t = tokens.empty() ? kRest : tokens[i];
            if (t == "-") {
                if (open_) ++events.back().length;
            } else if (t == ".") {
                open_ = false;
            } else {
                events.push_back({firstStep + i, 1, ParseNote(t), duty});
                open_ = true;
            }
        }
    }
    std::vector<Event> events;

private:
    inline static const std::string kRest = ".";
    bool open_ = false;
};

} // namespace

int ParseNote(const std::string& name) {
    size_t pos = 0;
    const int pc = PitchClass(name, pos);
    if (pos >= name.size()) throw std::runtime_error("no octave in '" + name + "'");
    return 12 * (std::stoi(name.substr(pos)) + 1) + pc;
}

Stereo Render(const Song& song) {
    const size_t frames = static_cast<size_t>(std::llround(song.lengthMs * (kRate / 1000.0)));
    Stereo out(frames);
    const double perStep = static_cast<double>(frames) / (static_cast<double>(song.bars.size()) * kSteps);
    auto at = [perStep](double step) { return step * perStep; };

    LineReader lead;
    for (size_t b = 0; b < song.bars.size(); ++b) {
        const Bar& bar = song.bars[b];
        const int bi = static_cast<int>(b);
        const int first = bi * kSteps;
        const Groove& g = *bar.groove;
        const auto chords = BarChords(bar.chord);
        lead.Feed(Tokens(bar.lead, bi), first, g.leadDuty);

        // Second pulse: a written riff, or the groove's arpeggio over the chord.
        if (*bar.riff) {
            LineReader riff;
            riff.Feed(Tokens(bar.riff, bi), first, song.riff.duty);
            for (const Event& e : riff.events)
                RenderNote(out, song.riff, at(e.step), at(e.length) * 0.7, e.midi);
        } else {
            CheckPattern(g.arp, bi);
            for (int i = 0; i < kSteps; ++i) {
                if (g.arp[i] == '.') continue;
                const Chord& c = chords[i / 8];
                RenderNote(out, song.riff, at(first + i), at(1) * 0.6, Place(c.root, 57) + c.tones[g.arp[i] - '0']);
            }
        }

        // Bass: offsets from the chord's root, kept between E2 and D#3.
        const auto bass = Tokens(g.bass, bi);
        for (int i = 0; i < kSteps; ++i) {
            if (bass[i] == "-" || bass[i] == ".") continue;
            int length = 1;
            while (i + length < kSteps && bass[i + length] == "-") ++length;
            const Chord& c = chords[i / 8];
            RenderNote(out, song.bass, at(first + i), at(length) * 0.8, Place(c.root, 40) + std::stoi(bass[i]));
        }

        CheckPattern(g.kick, bi);
        CheckPattern(g.snare, bi);
        CheckPattern(g.hat, bi);
        if (bar.crash) RenderDrum(out, Drum::Crash, at(first), song.crashGain);
        for (int i = 0; i < kSteps; ++i) {
            const double t = at(first + i);
            if (g.kick[i] == 'k') RenderDrum(out, Drum::Kick, t, song.kickGain);
            if (g.snare[i] == 's') RenderDrum(out, Drum::Snare, t, song.snareGain);
            if (g.snare[i] == 'g') RenderDrum(out, Drum::Snare, t, song.snareGain * 0.35);
            if (bar.crash && i == 0) continue;
            if (g.hat[i] == 'h') RenderDrum(out, Drum::Hat, t, song.hatGain);
            if (g.hat[i] == 'i') RenderDrum(out, Drum::SoftHat, t, song.hatGain);
            if (g.hat[i] == 'o') RenderDrum(out, Drum::OpenHat, t, song.hatGain);
        }
    }

    // The lead, and its echo a few steps behind on the other side.
    for (const Event& e : lead.events) {
        Instrument ins = song.lead;
        ins.duty = e.duty;
        RenderNote(out, ins, at(e.step), at(e.length) * 0.95, e.midi);
        Instrument echo = song.echo;
        echo.duty = e.duty;
        RenderNote(out, echo, at(e.step + song.echoSteps), at(e.length) * 0.95, e.midi);
    }
    return out;
}

} // namespace music
