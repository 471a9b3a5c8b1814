#include "platform/EffectsMixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

struct Policy {
    float gain;
    int voices;  // at most this many at once: the next one fades the oldest out
};

// Shots and hits come every few passes; uncapped they would pile up into a drone. A ぽに
// may go with every shot, so a few of those overlap; each great explosion is one at a time.
constexpr std::array<Policy, kEffectCount> kPolicy{{
    {1.0f, 2},  // Balkan shot
    {1.0f, 2},  // Sonic
    {1.0f, 2},  // Laser
    {0.8f, 4},  // a ぽに destroyed
    {1.0f, 2},  // the boss hit
    {1.0f, 1},  // the boss destroyed
    {1.0f, 3},  // a rocket launched
    {1.0f, 2},  // the shield hit
    {1.0f, 1},  // the ship destroyed
    {1.0f, 2},  // an item picked up
    {1.0f, 1},  // the bomb
}};

constexpr int kFadeFrames = 128;  // about 3 ms: a voice cut short fades rather than clicks
// The limiter lets go of a peak over about 50 ms, slow enough not to follow the waveform.
constexpr float kRelease = 0.99955f;

} // namespace

void EffectsMixer::SetSound(Effect effect, Sound sound) { sounds_[static_cast<int>(effect)] = std::move(sound); }

void EffectsMixer::Trigger(Effect effect) {
    const uint32_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) >= queue_.size()) return;
    queue_[head % queue_.size()] = static_cast<uint8_t>(effect);
    head_.store(head + 1, std::memory_order_release);
}

void EffectsMixer::SetVolume(int percent) { volume_.store(std::clamp(percent, 0, 100), std::memory_order_relaxed); }

int EffectsMixer::Sounding() const {
    return static_cast<int>(std::count_if(voices_.begin(), voices_.end(), [](const Voice& v) { return v.effect >= 0; }));
}

void EffectsMixer::Start(int effect) {
    if (sounds_[effect].empty()) return;
    Voice* free = nullptr;
    Voice* oldest = nullptr;
    Voice* oldestSame = nullptr;
    int same = 0;
    for (Voice& v : voices_) {
        if (v.effect < 0) {
            if (!free) free = &v;
            continue;
        }
        if (!oldest || v.order < oldest->order) oldest = &v;
        if (v.effect != effect || v.fade) continue;
        ++same;
        if (!oldestSame || v.order < oldestSame->order) oldestSame = &v;
    }
    if (same >= kPolicy[effect].voices) oldestSame->fade = kFadeFrames;
    // With every voice busy the oldest gives way at once; that takes two dozen effects alive.
    Voice* voice = free ? free : oldest;
    *voice = Voice{effect, 0, kPolicy[effect].gain, 0, ++started_};
}

void EffectsMixer::Mix(float* out, int frames) {
    if (silence_.exchange(false, std::memory_order_acquire)) {
        for (Voice& v : voices_) v.effect = -1;
        tail_.store(head_.load(std::memory_order_acquire), std::memory_order_release);
    }
    // The same effect asked for several times within one block (a Laser sweeping through a
    // wave of ぽに) starts once: the copies would only add up to one louder sound.
    uint32_t startedNow = 0;
    const uint32_t head = head_.load(std::memory_order_acquire);
    for (uint32_t tail = tail_.load(std::memory_order_relaxed); tail != head; ++tail) {
        const int effect = queue_[tail % queue_.size()];
        if (effect < kEffectCount && !(startedNow & (1u << effect))) {
            startedNow |= 1u << effect;
            Start(effect);
        }
        tail_.store(tail + 1, std::memory_order_release);
    }

    std::fill(out, out + 2 * frames, 0.0f);
    for (Voice& v : voices_) {
        if (v.effect < 0) continue;
        const Sound& sound = sounds_[v.effect];
        const size_t left = sound.size() / 2 - v.position;
        size_t n = std::min(static_cast<size_t>(frames), left);
        if (v.fade) n = std::min(n, static_cast<size_t>(v.fade));
        const float* in = sound.data() + 2 * v.position;
        for (size_t i = 0; i < n; ++i) {
            const float g = v.fade ? v.gain * static_cast<float>(v.fade - static_cast<int>(i)) / kFadeFrames : v.gain;
            out[2 * i] += in[2 * i] * g;
            out[2 * i + 1] += in[2 * i + 1] * g;
        }
        v.position += n;
        const bool faded = v.fade && (v.fade -= static_cast<int>(n)) == 0;
        if (faded || v.position >= sound.size() / 2) v.effect = -1;
    }

    // The volume eases to its setting over the block, so a change never clicks; the limiter
    // follows peaks at once and lets go slowly, bending a pile of explosions under the ceiling.
    const float target = static_cast<float>(volume_.load(std::memory_order_relaxed)) / 100.0f;
    if (gain_ < 0.0f) gain_ = target;
    const float step = (target - gain_) / static_cast<float>(frames);
    for (int i = 0; i < frames; ++i) {
        const float gain = gain_ + step * static_cast<float>(i + 1);
        const float l = out[2 * i] * gain, r = out[2 * i + 1] * gain;
        envelope_ = std::max(std::max(std::fabs(l), std::fabs(r)), envelope_ * kRelease);
        const float limit = envelope_ > kCeiling ? kCeiling / envelope_ : 1.0f;
        out[2 * i] = l * limit;
        out[2 * i + 1] = r * limit;
    }
    gain_ = target;
}

} // namespace platform
