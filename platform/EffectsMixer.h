#pragma once
// The sound effects' mixer. The game thread asks for effects and sets the volume; the sound
// device's thread mixes. Neither ever waits for the other: requests pass through a small
// lock-free queue, and a full queue drops a request rather than block a frame.
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/Effect.h"

namespace platform {

class EffectsMixer {
public:
    // Interleaved stereo samples at the device's rate.
    using Sound = std::vector<float>;

    // The loudest the mix gets: many effects at once are bent under it, never cut off.
    static constexpr float kCeiling = 0.5f;
    static constexpr int kVoices = 24;

    // Set before the device starts; an empty sound is silent.
    void SetSound(Effect effect, Sound sound);

    // Game thread.
    void Trigger(Effect effect);
    void SetVolume(int percent);  // 0 to 100, clamped
    // Ends every effect at once (effects turned off), on the device's next block.
    void Silence() { silence_.store(true, std::memory_order_release); }

    // Device thread: `frames` stereo frames into out.
    void Mix(float* out, int frames);
    // Voices sounding after the last Mix, for tests and measurements.
    int Sounding() const;

private:
    struct Voice {
        int effect = -1;  // -1 when free
        size_t position = 0;
        float gain = 1.0f;
        int fade = 0;     // frames left of a fade-out; 0 while it plays on
        uint64_t order = 0;
    };
    void Start(int effect);

    std::array<Sound, kEffectCount> sounds_;
    std::array<Voice, kVoices> voices_{};
    uint64_t started_ = 0;

    // One producer (the game), one consumer (the device).
    std::array<uint8_t, 64> queue_{};
    std::atomic<uint32_t> head_{0}, tail_{0};
    std::atomic<int> volume_{80};
    std::atomic<bool> silence_{false};

    float gain_ = -1.0f;  // the volume as applied, eased towards the setting over a block
    float envelope_ = 0.0f;  // the limiter's peak follower
};

} // namespace platform
