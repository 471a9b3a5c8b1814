#include "Master.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace music {

namespace {

constexpr double kTargetRmsDb = -16.0;
constexpr double kPeakCeilingDb = -1.5;
constexpr size_t kEdgeFrames = 88;  // 2 ms

double Db(double v) { return 20.0 * std::log10(std::max(v, 1e-12)); }
double FromDb(double db) { return std::pow(10.0, db / 20.0); }

void BlockDc(std::vector<float>& x) {
    double prevIn = 0.0, prevOut = 0.0;
    for (float& s : x) {
        const double out = s - prevIn + 0.9995 * prevOut;
        prevIn = s;
        prevOut = out;
        s = static_cast<float>(out);
    }
}

double Peak(const Stereo& m) {
    double p = 0.0;
    for (size_t i = 0; i < m.Frames(); ++i) p = std::max({p, std::fabs(static_cast<double>(m.l[i])), std::fabs(static_cast<double>(m.r[i]))});
    return p;
}

double Rms(const Stereo& m) {
    double sum = 0.0;
    for (size_t i = 0; i < m.Frames(); ++i) sum += static_cast<double>(m.l[i]) * m.l[i] + static_cast<double>(m.r[i]) * m.r[i];
    return std::sqrt(sum / (2.0 * static_cast<double>(m.Frames())));
}

void Scale(Stereo& m, double gain) {
    for (size_t i = 0; i < m.Frames(); ++i) {
        m.l[i] = static_cast<float>(m.l[i] * gain);
        m.r[i] = static_cast<float>(m.r[i] * gain);
    }
}

// Above the knee, peaks are bent smoothly towards the ceiling: only the sharpest drum hits
// reach it, and the rest of the mix keeps its level.
float SoftKnee(float v) {
    constexpr double knee = 0.6;
    const double ceiling = FromDb(kPeakCeilingDb);
    const double a = std::fabs(v);
    if (a <= knee) return v;
    const double bent = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
    return static_cast<float>(v < 0 ? -bent : bent);
}

void PutLe(std::ofstream& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xffu));
}

int16_t ToSample(float v) {
    return static_cast<int16_t>(std::clamp(std::lround(v * 32767.0), -32768L, 32767L));
}

} // namespace

Levels Master(Stereo& mix) {
    BlockDc(mix.l);
    BlockDc(mix.r);
    const double rms = Rms(mix);
    Scale(mix, rms > 0 ? FromDb(kTargetRmsDb) / rms : 1.0);
    for (size_t i = 0; i < mix.Frames(); ++i) {
        mix.l[i] = SoftKnee(mix.l[i]);
        mix.r[i] = SoftKnee(mix.r[i]);
    }
    // Half a raised cosine in and out: the game may leave a short silence between the end
    // of the file and its restart, and neither edge may jump.
    const size_t n = mix.Frames();
    for (size_t i = 0; i < kEdgeFrames && i < n; ++i) {
        const float w = static_cast<float>(0.5 - 0.5 * std::cos(3.141592653589793 * static_cast<double>(i) / kEdgeFrames));
        mix.l[i] *= w;
        mix.r[i] *= w;
        mix.l[n - 1 - i] *= w;
        mix.r[n - 1 - i] *= w;
    }
    return Measure(mix);
}

Levels Measure(const Stereo& mix) { return {Db(Peak(mix)), Db(Rms(mix)), static_cast<double>(mix.Frames()) / kRate}; }

bool WriteWave(const Stereo& mix, const std::string& path) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const uint32_t dataBytes = static_cast<uint32_t>(mix.Frames() * 4);
        out.write("RIFF", 4);
        PutLe(out, 36 + dataBytes, 4);
        out.write("WAVEfmt ", 8);
        PutLe(out, 16, 4);              // PCM format block
        PutLe(out, 1, 2);               // PCM
        PutLe(out, 2, 2);               // channels
        PutLe(out, kRate, 4);
        PutLe(out, kRate * 4, 4);       // bytes per second
        PutLe(out, 4, 2);               // bytes per frame
        PutLe(out, 16, 2);              // bits
        out.write("data", 4);
        PutLe(out, dataBytes, 4);
        std::vector<char> bytes(mix.Frames() * 4);
        for (size_t i = 0; i < mix.Frames(); ++i) {
            const uint16_t l = static_cast<uint16_t>(ToSample(mix.l[i]));
            const uint16_t r = static_cast<uint16_t>(ToSample(mix.r[i]));
            bytes[4 * i + 0] = static_cast<char>(l & 0xff);
            bytes[4 * i + 1] = static_cast<char>(l >> 8);
            bytes[4 * i + 2] = static_cast<char>(r & 0xff);
            bytes[4 * i + 3] = static_cast<char>(r >> 8);
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

} // namespace music
