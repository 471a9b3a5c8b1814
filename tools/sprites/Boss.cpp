// The boss: a big ぽに gone bad. Flat tone bands and crisp outlines, lit from the upper left.
#include "Art.h"
#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr double kCx = 32.0, kCy = 33.0, kR = 30.5;

bool InFace(int x, int y) { return InDisc(x, y, kCx, kCy, kR); }

// A grin between two circles, wide at the middle and pointed at the corners.
bool InMouth(int x, int y) {
    return InDisc(x, y, 32.0, 30.0, 22.0) && !InDisc(x, y, 32.0, 17.0, 26.5);
}

double MouthTop(int x) {  // the upper lip's edge at column x
    const double dx = x + 0.5 - 32.0;
    return 17.0 + std::sqrt(std::max(0.0, 26.5 * 26.5 - dx * dx));
}

double DistToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double vx = bx - ax, vy = by - ay;
    const double t = std::clamp(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    return std::hypot(px - ax - t * vx, py - ay - t * vy);
}

// Brows slope down towards the nose; eyes are cut off under them for a scowl.
struct Eye {
    double cx, cy, side;  // side: -1 left eye, +1 right eye
    double BrowDist(int x, int y) const {
        const double inner = cx - side * 7.0, outer = cx + side * 8.0;
        return DistToSegment(x + 0.5, y + 0.5, outer, cy - 10.0, inner, cy - 4.0);
    }
    bool UnderBrow(int x, int y) const {
        const double inner = cx - side * 7.0, outer = cx + side * 8.0;
        const double t = (x + 0.5 - outer) / (inner - outer);
        return y + 0.5 > cy - 10.0 + t * 6.0 + 1.5;
    }
    bool InWhite(int x, int y) const {
        const double dx = (x + 0.5 - cx) / 6.5, dy = (y + 0.5 - cy) / 7.5;
        return dx * dx + dy * dy <= 1.0 && UnderBrow(x, y);
    }
};

QRgb FaceTone(int x, int y) {
    const double nx = (x + 0.5 - kCx) / kR, ny = (y + 0.5 - kCy) / kR;
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double lam = -0.45 * nx - 0.55 * ny + 0.70 * nz;
    if (lam > 0.95) return qRgb(255, 255, 215);
    if (lam > 0.80) return qRgb(255, 240, 100);
    if (lam > 0.45) return qRgb(255, 212, 32);
    if (lam > 0.12) return qRgb(236, 158, 12);
    return qRgb(186, 100, 0);
}

} // namespace

QImage DrawBoss() {
    QImage img = Blank(64, 64);
    const QRgb outline = qRgb(110, 40, 0);
    const Eye eyes[2] = {{20.0, 25.0, -1.0}, {44.0, 25.0, 1.0}};

    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if (!InFace(x, y)) continue;
            QRgb c = FaceTone(x, y);
            if (InMouth(x, y)) {
                const double below = y + 0.5 - MouthTop(x);
                // A row of pointed teeth hangs from the upper lip.
                const double phase = std::fmod(x + 64.0 - 32.0 + 3.0, 6.0) / 6.0;
                const double tooth = 5.0 * (1.0 - std::abs(phase * 2.0 - 1.0));
                c = below < tooth ? qRgb(255, 250, 235) : Mix(qRgb(220, 10, 30), qRgb(110, 0, 20), std::clamp(below / 9.0, 0.0, 1.0));
                if (OnEdge(x, y, InMouth)) c = outline;
            }
            for (const Eye& e : eyes) {
                if (e.InWhite(x, y)) {
                    const double px = e.cx - 2.0, py = e.cy + 2.0;  // looking at the player
                    const double d = std::hypot(x + 0.5 - px, y + 0.5 - py);
                    c = d < 1.2 ? qRgb(30, 0, 0) : d < 3.6 ? qRgb(230, 0, 20) : qRgb(255, 255, 255);
                    if (x == static_cast<int>(px) - 2 && y == static_cast<int>(py) - 2) c = qRgb(255, 255, 255);
                    if (OnEdge(x, y, [&e](int u, int v) { return e.InWhite(u, v); })) c = outline;
                }
                if (e.BrowDist(x, y) < 1.7) c = outline;
            }
            if (OnEdge(x, y, InFace)) c = outline;
            Put(img, x, y, c);
        }
    return img;
}

} // namespace art
