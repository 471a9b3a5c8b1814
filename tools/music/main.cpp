// Renders the game's music into the folder given on the command line:
//   make_music <folder>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Master.h"
#include "Songs.h"

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
            const std::string path = (folder / song.fileName).string();
            if (!music::WriteWave(mix, path)) {
                std::fprintf(stderr, "make_music: cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("%s: %.3f s, peak %.1f dBFS, RMS %.1f dBFS\n", song.fileName.c_str(), levels.seconds,
                        levels.peakDb, levels.rmsDb);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_music: %s\n", e.what());
        return 1;
    }
    return 0;
}
