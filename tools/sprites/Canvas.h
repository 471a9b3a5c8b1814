#pragma once
// Small pixel-art helpers shared by the sprite drawers: every picture starts pure black
// and is painted pixel by pixel, so no smoothing ever creeps in.
#include <QColor>
#include <QImage>
#include <initializer_list>

namespace art {

struct Ink {
    char key;
    QRgb rgb;
};

QImage Blank(int w, int h);

// Paints rows of characters at (x0, y0); '.' leaves the pixel alone, any other key is
// looked up among the inks.
void PaintMap(QImage& img, int x0, int y0, std::initializer_list<const char*> rows,
              std::initializer_list<Ink> inks);

void Put(QImage& img, int x, int y, QRgb rgb);  // ignores points outside
QRgb Mix(QRgb a, QRgb b, double t);             // t = 0 gives a, 1 gives b
QRgb Scale(QRgb c, double k);                   // brightness times k, clamped

// A disc of radius r around (cx, cy), tested at pixel centres.
bool InDisc(double x, double y, double cx, double cy, double r);

// Pixels of a mask lying on its edge (a 4-neighbour outside): a crisp 1-pixel outline.
template <typename Inside>
bool OnEdge(int x, int y, Inside inside) {
    return inside(x, y) && (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1));
}

} // namespace art
