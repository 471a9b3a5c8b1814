// The player's ship and its shield ring.
#include "Art.h"
#include "Canvas.h"

namespace art {

QImage DrawShip() {
    QImage img = Blank(16, 16);
    // Side view facing right: tail fin at the back, canopy on top, swept wing below. Kept
    // inside a circle so the shield ring drawn around it never touches it.
    PaintMap(img, 0, 0,
             {
                 "................",
                 "................",
                 "................",
                 "..dg............",
                 "..dLg...........",
                 "..dLWg....cbb...",
                 "..dLWLgggcCCBb..",
                 "ogLWWWWWWWWWWWLl",
                 "ogWWbWbWbWWWWWWW",
                 ".dgLLLLLLLLLLLg.",
                 "..ddgLLLLggddd..",
                 "....dLWLg.......",
                 "....dLLg........",
                 "....dLg.........",
                 "....ddd.........",
                 "................",
             },
             {{'W', qRgb(255, 255, 255)}, {'L', qRgb(200, 204, 216)}, {'l', qRgb(150, 154, 170)},
              {'g', qRgb(130, 134, 150)}, {'d', qRgb(78, 80, 96)}, {'c', qRgb(170, 220, 255)},
              {'C', qRgb(90, 160, 255)}, {'B', qRgb(40, 80, 220)}, {'b', qRgb(50, 110, 240)},
              {'o', qRgb(255, 150, 40)}});
    return img;
}

QImage DrawShield() {
    QImage img = Blank(18, 18);
    auto inside = [](int x, int y) { return InDisc(x, y, 9.0, 9.0, 8.9); };
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x)
            if (OnEdge(x, y, inside)) Put(img, x, y, qRgb(60, 255, 110));
    return img;
}

QImage DrawSolid(int w, int h, QRgb rgb) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(rgb);
    return img;
}

} // namespace art
