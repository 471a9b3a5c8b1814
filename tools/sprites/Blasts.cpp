// Five explosion sheets, 8 x 2 cells of 96 x 96: a fireball that flares up and fades out.
// Sprites are ORed onto the frame, so the palettes run through dark tones down to black.
#include "Art.h"
#include "Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>

namespace art {

namespace {

constexpr int kCell = 96;
constexpr double kCentre = 48.0;
constexpr double kMaxRadius = 45.0;  // nothing beyond: cells never bleed into each other

struct Stop {
    double at;
    QRgb rgb;
};

struct Style {
    std::array<Stop, 7> palette;
    uint32_t seed;
    double grain;     // noise features per fireball radius
    double wobble;    // how far the noise pushes the edge in and out
    double decay;     // frames until the heat has mostly gone
    double ring;      // strength of a shock ring running ahead of the ball
    double hollow;    // how fast the centre burns out
    int sparks;
    int puffs;        // smaller clouds thrown out around the ball
    double fire;      // below 1: burns cooler, more smoke than flame
};

const Style kStyles[5] = {
    {{{{0.0, qRgb(0, 0, 0)}, {0.15, qRgb(60, 4, 0)}, {0.35, qRgb(160, 26, 0)}, {0.55, qRgb(230, 92, 0)},
       {0.75, qRgb(255, 170, 30)}, {0.9, qRgb(255, 230, 120)}, {1.05, qRgb(255, 255, 235)}}},
     11, 2.6, 0.45, 7.0, 0.0, 0.35, 12, 0, 1.0},
    {{{{0.0, qRgb(0, 0, 0)}, {0.15, qRgb(0, 8, 60)}, {0.35, qRgb(10, 40, 170)}, {0.55, qRgb(40, 120, 255)},
       {0.75, qRgb(120, 210, 255)}, {0.9, qRgb(210, 245, 255)}, {1.05, qRgb(255, 255, 255)}}},
     23, 1.8, 0.25, 6.5, 0.9, 0.6, 0, 0, 1.0},
    {{{{0.0, qRgb(0, 0, 0)}, {0.15, qRgb(6, 40, 0)}, {0.35, qRgb(30, 120, 0)}, {0.55, qRgb(110, 200, 10)},
       {0.75, qRgb(220, 240, 40)}, {0.9, qRgb(255, 255, 150)}, {1.05, qRgb(255, 255, 240)}}},
     37, 3.4, 0.4, 6.0, 0.0, 0.25, 6, 4, 1.0},
    {{{{0.0, qRgb(0, 0, 0)}, {0.15, qRgb(38, 16, 16)}, {0.35, qRgb(84, 36, 32)}, {0.55, qRgb(140, 50, 40)},
       {0.75, qRgb(210, 66, 34)}, {0.9, qRgb(255, 150, 60)}, {1.05, qRgb(255, 235, 170)}}},
     51, 2.4, 0.35, 8.5, 0.0, 0.15, 36, 6, 0.72},
    {{{{0.0, qRgb(0, 0, 0)}, {0.15, qRgb(30, 0, 50)}, {0.35, qRgb(90, 10, 140)}, {0.55, qRgb(170, 40, 220)},
       {0.75, qRgb(240, 110, 255)}, {0.9, qRgb(255, 200, 255)}, {1.05, qRgb(255, 255, 255)}}},
     67, 2.2, 0.35, 5.5, 0.6, 0.9, 10, 0, 1.0},
};

QRgb Palette(const Style& s, double h) {
    if (h <= s.palette.front().at) return s.palette.front().rgb;
    for (size_t i = 1; i < s.palette.size(); ++i)
        if (h < s.palette[i].at) {
            const Stop &a = s.palette[i - 1], &b = s.palette[i];
            return Mix(a.rgb, b.rgb, (h - a.at) / (b.at - a.at));
        }
    return s.palette.back().rgb;
}

// Gradient noise in three dimensions (the third is time); values around 0.5.
struct Noise {
    uint32_t seed;
    uint32_t Hash(int x, int y, int z) const {
        uint32_t h = seed * 0x9e3779b9u ^ static_cast<uint32_t>(x) * 0x85ebca6bu ^
                     static_cast<uint32_t>(y) * 0xc2b2ae35u ^ static_cast<uint32_t>(z) * 0x27d4eb2fu;
        h ^= h >> 15;
        h *= 0x2c1b3c6du;
        h ^= h >> 12;
        h *= 0x297a2d39u;
        h ^= h >> 15;
        return h;
    }
    double Grad(int x, int y, int z, double fx, double fy, double fz) const {
        static constexpr int kDirs[12][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0},
                                             {1, 0, 1}, {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
                                             {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};
        const int* g = kDirs[Hash(x, y, z) % 12];
        return g[0] * fx + g[1] * fy + g[2] * fz;
    }
    double Smooth(double x, double y, double z) const {
        const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y)),
                  iz = static_cast<int>(std::floor(z));
        const double fx = x - ix, fy = y - iy, fz = z - iz;
        auto fade = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
        auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
        const double u = fade(fx), v = fade(fy), w = fade(fz);
        double layer[2];
        for (int k = 0; k < 2; ++k) {
            const double a = lerp(Grad(ix, iy, iz + k, fx, fy, fz - k), Grad(ix + 1, iy, iz + k, fx - 1, fy, fz - k), u);
            const double b = lerp(Grad(ix, iy + 1, iz + k, fx, fy - 1, fz - k),
                                  Grad(ix + 1, iy + 1, iz + k, fx - 1, fy - 1, fz - k), u);
            layer[k] = lerp(a, b, v);
        }
        return 0.5 + 0.5 * lerp(layer[0], layer[1], w);
    }
    double Fbm(double x, double y, double z, int octaves = 3) const {
        double sum = 0, amp = 0.5, norm = 0;
        for (int o = 0; o < octaves; ++o) {
            sum += amp * Smooth(x, y, z);
            norm += amp;
            x *= 2.03, y *= 2.03, z *= 1.7, amp *= 0.5;
        }
        return sum / norm;
    }
};

double SmoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Heat of one pixel of frame t: 0 is black, about 1 is white hot.
double Heat(const Style& s, const Noise& n, int t, double dx, double dy) {
    const double p = t / 15.0;
    const double radius = 16.0 + 29.0 * (1.0 - std::pow(1.0 - p, 3.0));
    const double d = std::hypot(dx, dy);
    // Noise coordinates grow with the ball, so its billows swell rather than slide.
    const double nx = dx / radius * s.grain, ny = dy / radius * s.grain, nz = t * 0.35;
    const double shapeNoise = n.Fbm(nx + 17.3, ny - 4.1, nz, 2);
    double u = d / (radius * (1.0 - s.wobble * 0.5 + s.wobble * shapeNoise * 1.2));
    for (int i = 0; i < s.puffs; ++i) {
        const double a = 6.2831853 * (i + 0.37 * (s.seed % 7)) / s.puffs;
        const double far = radius * (0.35 + 0.3 * p), size = radius * (0.45 + 0.1 * (i % 3));
        const double pu = std::hypot(dx - far * std::cos(a), dy - far * std::sin(a)) / size;
        u = std::min(u, pu * (1.0 - s.wobble * 0.5 + s.wobble * shapeNoise * 1.2));
    }
    if (u >= 1.0) return 0.0;
    const double dome = 1.0 - u * u;
    // The core burns out first, leaving a ragged shell that breaks into puffs.
    const double hollow = 1.0 - s.hollow * SmoothStep(1.0, 10.0, t) * (1.0 - u) * (1.0 - u);
    const double grainNoise = n.Fbm(nx * 1.3 - 9.0, ny * 1.3 + 3.0, nz + 5.0);
    const double intensity = 1.35 * s.fire * std::exp(-std::pow(std::max(0.0, t - 1.0) / s.decay, 1.7));
    double h = intensity * dome * hollow * (0.3 + 1.4 * grainNoise);
    h -= 0.5 * p * (1.0 - grainNoise);  // late frames fall apart into wisps
    if (s.ring > 0.0) {
        const double ringRadius = 10.0 + 5.0 * t;
        const double fade = std::exp(-t / 4.0);
        h += s.ring * fade * std::exp(-std::pow((d - ringRadius) / 1.3, 2.0)) * (0.6 + 0.8 * shapeNoise);
    }
    return std::max(0.0, h);
}

// Embers shot out ahead of the ball, slowing down and cooling as they fly.
void DrawSparks(QImage& img, const Style& s, int t, int ox, int oy) {
    std::mt19937 rng(s.seed * 7919u);
    std::uniform_real_distribution<double> angle(0.0, 6.2831853), speed(3.5, 6.0), life(6.0, 12.0);
    for (int i = 0; i < s.sparks; ++i) {
        const double a = angle(rng), v = speed(rng), l = life(rng);
        if (t < 1 || t > l) continue;
        const double glow = 1.15 * (1.0 - t / l) + 0.3;
        for (int trail = 0; trail < 4; ++trail) {
            const double r = 6.0 + v * 8.0 * (1.0 - std::exp(-t / 4.0)) - trail * 1.0;
            if (r > kMaxRadius - 2.0) continue;
            const int x = ox + static_cast<int>(std::lround(kCentre + r * std::cos(a)));
            const int y = oy + static_cast<int>(std::lround(kCentre + r * std::sin(a)));
            const QRgb add = Palette(s, glow * (1.0 - trail * 0.22));
            const QRgb old = img.pixel(x, y);
            Put(img, x, y, qRgb(std::max(qRed(old), qRed(add)), std::max(qGreen(old), qGreen(add)),
                                std::max(qBlue(old), qBlue(add))));
        }
    }
}

} // namespace

QImage DrawBlastSheet(int sheet) {
    const Style& s = kStyles[sheet];
    const Noise noise{s.seed};
    QImage img = Blank(8 * kCell, 2 * kCell);
    for (int t = 0; t < 16; ++t) {
        const int ox = (t % 8) * kCell, oy = (t / 8) * kCell;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                const double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
                const double edge = 1.0 - SmoothStep(kMaxRadius - 6.0, kMaxRadius, std::hypot(dx, dy));
                const double h = Heat(s, noise, t, dx, dy) * edge;
                if (h > 0.0) Put(img, ox + x, oy + y, Palette(s, h));
            }
        DrawSparks(img, s, t, ox, oy);
    }
    return img;
}

} // namespace art
