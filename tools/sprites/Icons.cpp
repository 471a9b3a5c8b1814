// The program icon: the ぽに face. 16 px is the hand-placed enemy sprite; larger sizes are
// rasterised from shapes at pixel centres (crisp), from 128 px up with smooth edges.
#include "Art.h"
#include "Canvas.h"

#include <cmath>

namespace art {

namespace {

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// Colour of the face at (x, y) in units of its radius, centre at the origin; 0 outside.
// `line` is the outline and stroke width in the same units.
QRgb FaceAt(double x, double y, double line) {
    const double r = std::hypot(x, y);
    if (r > 1.0) return 0;
    if (r > 1.0 - line) return qRgb(150, 80, 0) | 0xff000000u;
    const double side = x < 0 ? -1.0 : 1.0;
    const double ex = side * 0.34, ey = -0.14;
    if (InEllipse(x, y, ex, ey, 0.14, 0.22)) {
        const double glint = 0.05 + line * 0.4;
        if (InEllipse(x, y, ex - 0.04, ey - 0.09, glint, glint)) return qRgb(255, 255, 255) | 0xff000000u;
        return qRgb(60, 30, 10) | 0xff000000u;
    }
    if (InEllipse(x, y, side * 0.64, 0.2, 0.16, 0.09)) return qRgb(255, 140, 110) | 0xff000000u;
    const double smile = std::hypot(x, y - 0.02);
    if (y > 0.2 && std::abs(x) < 0.3 && std::abs(smile - 0.33) < line * 0.75) return qRgb(150, 40, 10) | 0xff000000u;
    if (InEllipse(x, y, -0.52, -0.5, 0.17, 0.12)) return qRgb(255, 252, 190) | 0xff000000u;
    if (std::hypot(x + 0.14, y + 0.16) > 1.0) return qRgb(232, 168, 16) | 0xff000000u;
    return qRgb(255, 222, 40) | 0xff000000u;
}

} // namespace

QImage DrawIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    if (size <= 16) {
        const QImage poni = DrawPoni();
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if ((poni.pixel(x, y) & 0xffffff) != 0) img.setPixel(x, y, poni.pixel(x, y) | 0xff000000u);
        return img;
    }
    const double half = size / 2.0;
    const double line = (size >= 256 ? 10.0 : size >= 128 ? 5.0 : size >= 64 ? 3.0 : size >= 48 ? 2.0 : 1.0) / half;
    const int samples = size >= 128 ? 4 : 1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples - half) / half;
                    const double v = (y + (sy + 0.5) / samples - half) / half;
                    const QRgb c = FaceAt(u, v, line);
                    if (qAlpha(c) == 0) continue;
                    ++a, r += qRed(c), g += qGreen(c), b += qBlue(c);
                }
            if (a > 0)
                img.setPixel(x, y, qRgba(r / a, g / a, b / a, 255 * a / (samples * samples)));
        }
    return img;
}

} // namespace art
