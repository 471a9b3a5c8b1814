#pragma once
// The player's sound settings, and the sound effects of a live run.
#include <memory>
#include <thread>

#include "platform/Effect.h"

class QAudioOutput;

namespace platform {

// The sound settings; each takes effect at once, in a game too. Effects start off, their
// volume at 80 %, the music at 100 % (the level of its files). Percentages are clamped to 0-100.
void SetEffectsEnabled(bool on);
bool EffectsEnabled();
void SetEffectsVolume(int percent);
int EffectsVolume();
void SetMusicVolume(int percent);
int MusicVolume();

// The music player's output, which the music volume turns; nullptr when it goes away.
void AttachMusicOutput(QAudioOutput* output);

// The effects on the sound device, through SDL's audio and our own mixer. Nothing is opened
// until effects are on; then a thread of its own opens the device, so that a sound server
// that is slow or stuck holds up that thread and never the game. Without a device the
// effects are silent, told once on standard error.
class LiveEffects {
public:
    LiveEffects();
    ~LiveEffects();
    LiveEffects(const LiveEffects&) = delete;
    LiveEffects& operator=(const LiveEffects&) = delete;

    void Play(Effect effect);
    // Takes the settings in force: the volume, silence when off, the device opened when on.
    void Apply();
    // Starts opening the device unless effects are off, or it is open or being opened.
    void Open();
    // Whether the device is open and playing (for measurements).
    bool Ready() const;

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    std::thread opener_;
};

} // namespace platform
