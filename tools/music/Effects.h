#pragma once
// The game's sound effects, made by the same chip voices as the music: a few layers of
// pulse, stepped triangle and shift-register noise, each swept in pitch and fading away.
#include <string>
#include <vector>

#include "Synth.h"

namespace music {

enum class Voice { Pulse, Triangle, Noise };

struct Layer {
    Voice voice = Voice::Pulse;
    double start = 0, seconds = 0.1;  // when it begins in the effect, how long it sounds
    double fromHz = 440, toHz = 440;  // an exponential sweep over its length; noise: the clock
    double duty = 0.5;
    double decay = 0.1;               // seconds for the level to fall to 1/e
    double gain = 1.0;
    // Semitone offsets stepped through every stepSeconds, like a chip arpeggio; "" for none.
    const char* steps = "";
    double stepSeconds = 0.03;
};

struct Effect {
    std::string fileName;
    double peakDb;  // the loudest sample after levelling: quieter for the ones fired often
    std::vector<Layer> layers;
};

// Every effect the game plays, named as the game asks for them.
std::vector<Effect> GameEffects();

// The effect as 44.1 kHz stereo, centred, its peak at peakDb.
Stereo RenderEffect(const Effect& effect);

} // namespace music
