// The seven item pictures, one per item kind, each readable at a glance at 1x.
#include "Art.h"
#include "Canvas.h"

#include <cmath>

namespace art {

namespace {

QImage Speed() {
    QImage img = Blank(16, 16);
    PaintMap(img, 0, 1,
             {
                 "...........GG...",
                 "...........GG...",
                 ".........GGG....",
                 ".......GGGGGGG..",
                 "......G..GG...G.",
                 "Y..Y.....GG.....",
                 ".Y..Y...GGG.....",
                 "..Y..Y..GGGG....",
                 ".Y..Y..GG..GG...",
                 "Y..Y..GG....G...",
                 ".....GG.....GG..",
             },
             {{'G', qRgb(120, 255, 140)}, {'Y', qRgb(255, 230, 40)}});
    return img;
}

QImage Bullet() {
    QImage img = Blank(16, 16);
    PaintMap(img, 0, 0,
             {
                 "................",
                 "................",
                 "................",
                 "................",
                 "................",
                 ".yyYYYYYYyRRR...",
                 "yYlllllllyRppRR.",
                 "yYYYYYYYYyRpRRRR",
                 "yYYYYYYYYyRRRRRr",
                 "yyyyyyyyyyrRRrr.",
                 ".yyyyyyyyyrrr...",
             },
             {{'y', qRgb(200, 130, 0)}, {'Y', qRgb(255, 210, 0)}, {'l', qRgb(255, 250, 170)},
              {'r', qRgb(160, 0, 0)}, {'R', qRgb(240, 40, 20)}, {'p', qRgb(255, 160, 140)}});
    return img;
}

QImage Horn() {
    QImage img = Blank(16, 16);
    PaintMap(img, 0, 0,
             {
                 "................",
                 "................",
                 "............C...",
                 "........o....C..",
                 ".......oY.C...C.",
                 "......oYY..C..C.",
                 "oo..ooYYY..C...C",
                 "ohYYhhhYY..C...C",
                 "oYYYYYYYY..C...C",
                 "oo..ooYYY..C...C",
                 "......oYY..C..C.",
                 ".......oY.C...C.",
                 "........o....C..",
                 "............C...",
             },
             {{'o', qRgb(190, 110, 0)}, {'Y', qRgb(255, 200, 30)}, {'h', qRgb(255, 250, 170)},
              {'C', qRgb(60, 240, 255)}});
    return img;
}

QImage Beam() {
    QImage img = Blank(16, 16);
    PaintMap(img, 0, 4,
             {
                 ".dddddd.........",
                 "dLWWWWLd........",
                 "dLgLgLLdgggRrrrr",
                 "dLgLgLLdLLLpPPPP",
                 "dLgLgLLdgggRRRRR",
                 "dLgLgLLdddgRrrrr",
                 "dLLLLLLd........",
                 ".dddddd.........",
             },
             {{'d', qRgb(70, 72, 90)}, {'g', qRgb(120, 124, 140)}, {'L', qRgb(180, 184, 200)},
              {'W', qRgb(240, 240, 250)}, {'r', qRgb(130, 0, 0)}, {'R', qRgb(235, 20, 20)},
              {'P', qRgb(255, 110, 90)}, {'p', qRgb(255, 210, 200)}});
    return img;
}

QImage Shield() {
    QImage img = Blank(16, 16);
    PaintMap(img, 0, 0,
             {
                 "................",
                 ".bbbbbbbbbbbbbb.",
                 ".bcBBBBBBBBBBBb.",
                 ".bcBBBBRRBBBBBb.",
                 ".bcBBBBRRBBBBBb.",
                 ".bcBBRRRRRRBBnb.",
                 ".bcBBRRRRRRBBnb.",
                 ".bcBBBBRRBBBBnb.",
                 ".bcBBBBRRBBBnnb.",
                 "..bcBBBRRBBBnb..",
                 "..bcBBBBBBBnnb..",
                 "...bcBBBBBBnb...",
                 "....bcBBBBnb....",
                 ".....bcBBnb.....",
                 "......bbbb......",
             },
             {{'b', qRgb(150, 200, 255)}, {'c', qRgb(90, 150, 255)}, {'B', qRgb(30, 80, 230)},
              {'n', qRgb(20, 50, 160)}, {'R', qRgb(240, 30, 30)}});
    return img;
}

QImage Target() {
    QImage img = Blank(16, 16);
    const QRgb red = qRgb(235, 30, 20), yellow = qRgb(255, 220, 30);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double d = std::hypot(x + 0.5 - 8.0, y + 0.5 - 8.0);
            if (d > 7.5) continue;
            const int band = static_cast<int>(d / 2.0);  // 2-pixel rings from the centre out
            Put(img, x, y, band % 2 == 0 ? yellow : red);
        }
    return img;
}

QImage Mystery() {
    QImage img = Blank(16, 16);
    const QRgb dark = qRgb(20, 40, 140), mid = qRgb(40, 90, 230), light = qRgb(100, 160, 255);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = x + 0.5 - 8.0, dy = y + 0.5 - 8.0;
            if (dx * dx + dy * dy > 7.5 * 7.5) continue;
            // Lit from the upper left: three flat tones, no smoothing.
            const double lit = std::hypot(dx + 2.5, dy + 2.5);
            Put(img, x, y, lit < 4.0 ? light : lit < 8.0 ? mid : dark);
        }
    PaintMap(img, 0, 0,
             {
                 "................",
                 "................",
                 "...h............",
                 "..hh..WWWW......",
                 ".....WW..WW.....",
                 ".........WW.....",
                 "........WW......",
                 ".......WW.......",
                 ".......WW.......",
                 "................",
                 ".......WW.......",
                 ".......WW.......",
             },
             {{'W', qRgb(255, 255, 255)}, {'h', qRgb(200, 230, 255)}});
    return img;
}

} // namespace

QImage DrawItem(int kind) {
    switch (kind) {
    case 0: return Speed();
    case 1: return Bullet();
    case 2: return Horn();
    case 3: return Beam();
    case 4: return Shield();
    case 5: return Target();
    default: return Mystery();
    }
}

} // namespace art
