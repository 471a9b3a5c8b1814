// Renders the game's music into the folder given on the command line, and its sound
// effects into the folder's effects/:
//   make_music <folder>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Effects.h"
#include "Master.h"
#include "Songs.h"

namespace {

// Writes one file below the folder and tells its levels; false when it cannot be written.
bool Write(const music::Stereo& sound, const music::Levels& levels, const std::filesystem::path& folder,
           const std::string& name) {
    const std::string path = (folder / name).string();
    if (!music::WriteWave(sound, path)) {
        std::fprintf(stderr, "make_music: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %.3f s, peak %.1f dBFS, RMS %.1f dBFS\n", name.c_str(), levels.seconds, levels.peakDb,
                levels.rmsDb);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_music <folder>\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    try {
        std::filesystem::create_directories(folder);
        for (const music::Song& song : {music::StageTheme(), music::BossTheme()}) {
            music::Stereo mix = music::Render(song);
            const music::Levels levels = music::Master(mix);
            if (!Write(mix, levels, folder, song.fileName)) return 1;
        }
        std::filesystem::create_directories(folder / "effects");
        for (const music::Effect& effect : music::GameEffects()) {
            const music::Stereo sound = music::RenderEffect(effect);
            if (!Write(sound, music::Measure(sound), folder, "effects/" + effect.fileName)) return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_music: %s\n", e.what());
        return 1;
    }
    return 0;
}
