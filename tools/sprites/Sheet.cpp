// A contact sheet for looking at the art: a mock game field, the small sprites at 1x and
// 4x, and the explosion sheets, all ORed onto black as the game draws them.
#include "Art.h"
#include "Canvas.h"

#include "draw/FrameImage.h"
#include "state/Field.h"

#include <algorithm>
#include <random>

namespace art {

namespace {

void OrBlit(QImage& dst, const QImage& src, int dx, int dy, int scale = 1, QRect part = {}) {
    if (part.isNull()) part = src.rect();
    for (int y = 0; y < part.height() * scale; ++y)
        for (int x = 0; x < part.width() * scale; ++x) {
            const int tx = dx + x, ty = dy + y;
            if (tx < 0 || ty < 0 || tx >= dst.width() || ty >= dst.height()) continue;
            const QRgb s = src.pixel(part.x() + x / scale, part.y() + y / scale);
            dst.setPixel(tx, ty, (dst.pixel(tx, ty) | s) | 0xff000000u);
        }
}

QImage MockField(const std::vector<QImage>& s) {
    using namespace draw;
    using namespace glbMain;
    QImage f = Blank(FieldWidth, FieldHeight);
    std::mt19937 rng(5);
    for (int i = 0; i < 64; ++i) {
        const int g = 255 - static_cast<int>(rng() % 5 + 4) * 25;
        Put(f, static_cast<int>(rng() % FieldWidth), static_cast<int>(rng() % FieldHeight), qRgb(g, g, g));
    }
    OrBlit(f, s[picPlayerChar], 40, 110);
    OrBlit(f, s[picPlayer_Shield], 39, 109);
    for (int i = 0; i < 3; ++i) OrBlit(f, s[picPlayer_Balkan], 70 + i * 30, 117, 1, {0, 0, 12, 1});
    OrBlit(f, s[picPlayer_Sonic], 150, 60, 1, {0, 0, 2, 60});
    OrBlit(f, s[picPlayer_Laser], 56, 100, 1, {0, 0, 264, 2});
    OrBlit(f, s[picPlayer_Laser], 56, 132, 1, {0, 0, 264, 2});
    for (int k = 0; k < 7; ++k) OrBlit(f, s[picItem0 + k], 20 + k * 22, 210);
    for (int k = 0; k < 5; ++k) OrBlit(f, s[picPoni], 180 + k * 14, 40 + (k % 2) * 20);
    OrBlit(f, s[picBoss_01], 240, 90);
    for (int k = 0; k < 3; ++k) OrBlit(f, s[picEnemy_Balkan], 200 - k * 20, 150, 1, {0, 0, 10, 1});
    for (int k = 0; k < 3; ++k) OrBlit(f, s[picBoss_Rocket], 200 + k * 18, 170 + k * 6);
    OrBlit(f, s[picBlast0], 150, 130, 1, {96 * 4, 0, 96, 96});
    OrBlit(f, s[picBlast3], 100, 10, 1, {96 * 2, 0, 96, 96});
    return f;
}

} // namespace

QImage ContactSheet(const std::vector<QImage>& s) {
    using namespace glbMain;
    const int smalls[] = {picPlayerChar, picPlayer_Shield, picItem0, picItem1, picItem2, picItem3, picItem4,
                          picItem5, picItem6, picPoni, picBoss_Rocket, picBoss_01, picPlayer_Balkan,
                          picEnemy_Balkan};
    QImage sheet = Blank(2 * 768 + 12, 2 * 240 + 8 + 100 + 300 + 3 * 200);
    QPoint at(4, 4);
    const QImage field = MockField(s);
    OrBlit(sheet, field, 4, 4, 2);
    OrBlit(sheet, field, 660, 4, 1);
    at.setY(2 * 240 + 12);
    for (int scale : {1, 4}) {
        at.setX(4);
        int rowHeight = 0;
        for (int id : smalls) {
            const QImage& img = s[id];
            OrBlit(sheet, img, at.x(), at.y(), scale);
            at.rx() += img.width() * scale + 4 * scale;
            rowHeight = std::max(rowHeight, img.height() * scale);
        }
        OrBlit(sheet, s[picPlayer_Sonic], at.x(), at.y(), scale, {0, 0, 5, 16});
        at.ry() += rowHeight + 8;
    }
    for (int k = 0; k < 5; ++k) {
        OrBlit(sheet, s[picBlast0 + k], 4 + (k % 2) * 772, at.y());
        if (k % 2 == 1 || k == 4) at.ry() += 196;
    }
    return sheet.copy(0, 0, sheet.width(), at.y());
}

} // namespace art
