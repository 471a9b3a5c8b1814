#include "platform/LiveSound.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <SDL.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <string>

#include "platform/EffectsMixer.h"
#include "platform/QtMediaPlayer.h"

namespace platform {

namespace {

// The files below the music's folder, in the order of Effect; tools/music/EffectFiles.cmake
// lists the same names for the build.
constexpr std::array<const char*, kEffectCount> kEffectFiles{
    "balkan.wav", "sonic.wav", "laser.wav", "poni.wav", "boss_hit.wav", "boss_down.wav",
    "rocket.wav", "shield.wav", "ship_down.wav", "item.wav", "bomb.wav",
};

constexpr int kRate = 44100;
// 512 frames are 11.6 ms: the sound server holds about one such block, so an effect is
// heard within a frame or so of its pass, and the device's thread wakes only 86 times a second.
constexpr int kBlockFrames = 512;

bool g_enabled = false;
int g_effectsVolume = 80;
int g_musicVolume = 100;
QAudioOutput* g_musicOutput = nullptr;
LiveEffects* g_effects = nullptr;

enum State : int { kOpening, kDone, kAbandoned };

} // namespace

struct LiveEffects::Shared {
    EffectsMixer mixer;
    std::atomic<bool> ready{false};
    std::atomic<int> state{kOpening};
    SDL_AudioDeviceID device = 0;
};

namespace {

void SDLCALL Fill(void* mixer, Uint8* stream, int bytes) {
    static_cast<EffectsMixer*>(mixer)->Mix(reinterpret_cast<float*>(stream), bytes / static_cast<int>(2 * sizeof(float)));
}

// The wave file as interleaved float stereo at the device's rate; empty when it cannot be read.
EffectsMixer::Sound Load(const std::string& path, int rate) {
    SDL_AudioSpec wave{};
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    if (path.empty() || !SDL_LoadWAV(path.c_str(), &wave, &data, &bytes)) return {};
    SDL_AudioCVT cvt{};
    EffectsMixer::Sound sound;
    if (SDL_BuildAudioCVT(&cvt, wave.format, wave.channels, wave.freq, AUDIO_F32SYS, 2, rate) >= 0) {
        std::vector<Uint8> buffer(static_cast<size_t>(bytes) * static_cast<size_t>(std::max(cvt.len_mult, 1)));
        std::memcpy(buffer.data(), data, bytes);
        cvt.buf = buffer.data();
        cvt.len = static_cast<int>(bytes);
        if (!cvt.needed || SDL_ConvertAudio(&cvt) == 0) {
            const int out = cvt.needed ? cvt.len_cvt : cvt.len;
            sound.resize(static_cast<size_t>(out) / sizeof(float));
            std::memcpy(sound.data(), buffer.data(), sound.size() * sizeof(float));
        }
    }
    SDL_FreeWAV(data);
    return sound;
}

// Where no sound server runs, SDL falls back to ALSA, which on a machine without a sound card
// writes a dozen lines of its own before SDL gives up. Our one line says it all.
void Unsaid(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* alsa = dlopen("libasound.so.2", RTLD_NOW);
    auto* setHandler = alsa ? reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")) : nullptr;
    if (setHandler) setHandler(Unsaid);
}

void Release(LiveEffects::Shared& shared) {
    if (shared.device) SDL_CloseAudioDevice(shared.device);
    shared.device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// On the opener's thread: the device, then the sounds, then play.
void OpenDevice(const std::shared_ptr<LiveEffects::Shared>& shared, const std::array<std::string, kEffectCount>& paths) {
    QuietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "ponigari: no sound device for the effects (%s): they stay silent\n", SDL_GetError());
    } else {
        SDL_AudioSpec want{};
        want.freq = kRate;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = kBlockFrames;
        want.callback = Fill;
        want.userdata = &shared->mixer;
        SDL_AudioSpec have{};
        shared->device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (!shared->device) {
            std::fprintf(stderr, "ponigari: no sound device for the effects (%s): they stay silent\n", SDL_GetError());
        } else {
            for (int e = 0; e < kEffectCount; ++e) shared->mixer.SetSound(static_cast<Effect>(e), Load(paths[e], kRate));
            SDL_PauseAudioDevice(shared->device, 0);
            shared->ready = true;
        }
    }
    // Whoever comes second cleans up: this thread, when the program let go of it while it waited.
    int opening = kOpening;
    if (!shared->state.compare_exchange_strong(opening, kDone)) Release(*shared);
}

} // namespace

void SetEffectsEnabled(bool on) {
    g_enabled = on;
    if (g_effects) g_effects->Apply();
}

void SetEffectsVolume(int percent) {
    g_effectsVolume = std::clamp(percent, 0, 100);
    if (g_effects) g_effects->Apply();
}

bool EffectsEnabled() { return g_enabled; }

int EffectsVolume() { return g_effectsVolume; }

int MusicVolume() { return g_musicVolume; }

void AttachMusicOutput(QAudioOutput* output) {
    g_musicOutput = output;
    if (output) output->setVolume(static_cast<float>(g_musicVolume) / 100.0f);
}

void SetMusicVolume(int percent) {
    g_musicVolume = std::clamp(percent, 0, 100);
    AttachMusicOutput(g_musicOutput);
}

LiveEffects::LiveEffects() : shared_(std::make_shared<Shared>()) {
    g_effects = this;
    Apply();
}

LiveEffects::~LiveEffects() {
    if (g_effects == this) g_effects = nullptr;
    if (!opener_.joinable()) return;
    int opening = kOpening;
    if (shared_->state.compare_exchange_strong(opening, kAbandoned)) {
        // Still waiting for the sound server: the program does not wait with it.
        opener_.detach();
        return;
    }
    opener_.join();
    Release(*shared_);
}

bool LiveEffects::Ready() const { return shared_->ready; }

void LiveEffects::Open() {
    if (opener_.joinable() || !g_enabled) return;
    std::array<std::string, kEffectCount> paths;
    QStringList missing;
    for (int e = 0; e < kEffectCount; ++e) {
        const QString name = QStringLiteral("effects/") + QString::fromLatin1(kEffectFiles[e]);
        paths[e] = QFile::encodeName(FindMusicFile(name)).toStdString();
        if (paths[e].empty()) missing << name;
    }
    if (!missing.isEmpty())
        std::fprintf(stderr, "ponigari: no %s in the current folder or in %s: %s silent\n",
                     qPrintable(missing.join(QStringLiteral(", "))), qPrintable(InstalledMusicFolder()),
                     missing.size() == 1 ? "that effect stays" : "those effects stay");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "ぽに狩り");
    // The desktop's sound settings show the stream by this name.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME,
                QCoreApplication::translate("platform::LiveSound", "効果音").toUtf8().constData());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    opener_ = std::thread(OpenDevice, shared_, paths);
}

void LiveEffects::Apply() {
    shared_->mixer.SetVolume(g_effectsVolume);
    if (!g_enabled) {
        shared_->mixer.Silence();
        return;
    }
    // From the event loop, so that the start-up that read the settings finishes first.
    if (QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            if (g_effects) g_effects->Open();
        });
    else
        Open();
}

void LiveEffects::Play(Effect effect) {
    if (!g_enabled) return;
    if (shared_->ready) shared_->mixer.Trigger(effect);
    else Open();
}

} // namespace platform
