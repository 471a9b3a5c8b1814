#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

QImage Blank(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    return img;
}

void Put(QImage& img, int x, int y, QRgb rgb) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, rgb | 0xff000000u);
}

void PaintMap(QImage& img, int x0, int y0, std::initializer_list<const char*> rows,
              std::initializer_list<Ink> inks) {
    int y = y0;
    for (const char* row : rows) {
        for (int i = 0; row[i]; ++i) {
            if (row[i] == '.') continue;
            for (const Ink& ink : inks)
                if (ink.key == row[i]) Put(img, x0 + i, y, ink.rgb);
        }
        ++y;
    }
}

QRgb Mix(QRgb a, QRgb b, double t) {
    auto lerp = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return qRgb(lerp(qRed(a), qRed(b)), lerp(qGreen(a), qGreen(b)), lerp(qBlue(a), qBlue(b)));
}

QRgb Scale(QRgb c, double k) {
    auto s = [k](int v) { return std::clamp(static_cast<int>(std::lround(v * k)), 0, 255); };
    return qRgb(s(qRed(c)), s(qGreen(c)), s(qBlue(c)));
}

bool InDisc(double x, double y, double cx, double cy, double r) {
    const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
    return dx * dx + dy * dy <= r * r;
}

} // namespace art
