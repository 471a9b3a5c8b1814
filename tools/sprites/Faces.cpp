// The ぽに enemy and the boss's rocket: small faces drawn pixel by pixel.
#include "Art.h"
#include "Canvas.h"

namespace art {

QImage DrawPoni() {
    QImage img = Blank(16, 16);
    PaintMap(img, 0, 0,
             {
                 ".....oooooo.....",
                 "...ooYYYYYYoo...",
                 "..oYhhYYYYYYYo..",
                 ".oYhhYYYYYYYYYo.",
                 ".oYhYweYYweYYYo.",
                 "oYYYYeeYYeeYYYYo",
                 "oYYYYeeYYeeYYYYo",
                 "oYppYYYYYYYYppYo",
                 "oYYYYmYYYYmYYYyo",
                 "oYYYYYmmmmYYYYyo",
                 "oYYYYYYYYYYYYyyo",
                 ".oYYYYYYYYYYYyo.",
                 ".oyYYYYYYYYYyyo.",
                 "..oyyYYYYYYyyo..",
                 "...ooyyyyyyoo...",
                 ".....oooooo.....",
             },
             {{'o', qRgb(150, 80, 0)}, {'Y', qRgb(255, 222, 40)}, {'y', qRgb(232, 168, 16)},
              {'h', qRgb(255, 252, 190)}, {'e', qRgb(60, 30, 10)}, {'w', qRgb(255, 255, 255)},
              {'p', qRgb(255, 140, 110)}, {'m', qRgb(150, 40, 10)}});
    return img;
}

QImage DrawRocket() {
    QImage img = Blank(16, 16);
    const QRgb violet = qRgb(150, 70, 230), orange = qRgb(255, 140, 30);
    auto inside = [](int x, int y) { return InDisc(x, y, 8.0, 8.0, 7.0); };
    for (int y = 0; y < 16; ++y) {
        const QRgb body = Mix(violet, orange, (y - 1) / 13.0);
        for (int x = 0; x < 16; ++x) {
            if (!inside(x, y)) continue;
            Put(img, x, y, OnEdge(x, y, inside) ? Scale(body, 0.55) : body);
        }
    }
    // Slanted brows, narrow eyes and a straight mouth: the rocket means business.
    PaintMap(img, 0, 0,
             {
                 "................",
                 "................",
                 "................",
                 "....hh..........",
                 "...h............",
                 "....kk....kk....",
                 ".....kk..kk.....",
                 ".....ke..ek.....",
                 ".....ee..ee.....",
                 "................",
                 "....mmmmmmmm....",
             },
             {{'h', qRgb(230, 200, 255)}, {'k', qRgb(50, 10, 60)}, {'e', qRgb(255, 255, 255)},
              {'m', qRgb(70, 20, 0)}});
    return img;
}

} // namespace art
