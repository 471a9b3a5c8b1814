// The compiled-in pictures: exact sizes, black backgrounds, the solid colours the shots rely
// on, and explosion sheets that stay inside their cells and fade out.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdint>

#include "draw/Sprites.h"

namespace {

using draw::Pic;
using draw::Picture;
using glbMain::SpriteId;

uint32_t Rgb(const Picture& p, int x, int y) { return p.Pixels[static_cast<size_t>(y) * p.Width + x] & 0xffffffu; }

struct Sum {
    double r = 0, g = 0, b = 0;
    double Total() const { return r + g + b; }
};

Sum CellSum(const Picture& p, int cell) {
    Sum s;
    const int ox = (cell % 8) * 96, oy = (cell / 8) * 96;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x) {
            const uint32_t c = Rgb(p, ox + x, oy + y);
            s.r += (c >> 16) & 0xff, s.g += (c >> 8) & 0xff, s.b += c & 0xff;
        }
    return s;
}

TEST(Sprites, AllLoadAtTheirSizes) {
    std::string error;
    ASSERT_TRUE(draw::Load_Sprites(&error)) << error;
    for (int id = 0; id < glbMain::SpriteCount; ++id) {
        EXPECT_EQ(Pic(SpriteId(id)).Width, glbMain::kSprite[id].Width) << glbMain::kSprite[id].file;
        EXPECT_EQ(Pic(SpriteId(id)).Height, glbMain::kSprite[id].Height) << glbMain::kSprite[id].file;
    }
}

TEST(Sprites, SolidShotsAreOneColourThroughout) {
    const struct {
        SpriteId id;
        uint32_t rgb;
    } solids[] = {{glbMain::picPlayer_Balkan, 0xffff00}, {glbMain::picPlayer_Sonic, 0x00ffff},
                  {glbMain::picPlayer_Laser, 0xff0000}, {glbMain::picEnemy_Balkan, 0x00ff00}};
    for (const auto& s : solids) {
        const Picture& p = Pic(s.id);
        int wrong = 0;
        for (int y = 0; y < p.Height; ++y)
            for (int x = 0; x < p.Width; ++x) wrong += Rgb(p, x, y) != s.rgb;
        EXPECT_EQ(wrong, 0) << glbMain::kSprite[s.id].file;
    }
}

TEST(Sprites, DrawnPicturesSitOnBlackAndAreNotEmpty) {
    for (int id = 0; id < glbMain::SpriteCount; ++id) {
        if (id == glbMain::picPlayer_Balkan || id == glbMain::picPlayer_Sonic || id == glbMain::picPlayer_Laser ||
            id == glbMain::picEnemy_Balkan)
            continue;
        const Picture& p = Pic(SpriteId(id));
        ASSERT_GT(p.Width, 0);
        EXPECT_EQ(Rgb(p, 0, 0), 0u) << glbMain::kSprite[id].file;
        EXPECT_EQ(Rgb(p, p.Width - 1, 0), 0u) << glbMain::kSprite[id].file;
        EXPECT_EQ(Rgb(p, 0, p.Height - 1), 0u) << glbMain::kSprite[id].file;
        EXPECT_EQ(Rgb(p, p.Width - 1, p.Height - 1), 0u) << glbMain::kSprite[id].file;
        int lit = 0;
        for (uint32_t px : p.Pixels) lit += (px & 0xffffffu) != 0;
        EXPECT_GT(lit, p.Width * p.Height / 20) << glbMain::kSprite[id].file;
    }
}

// The shield is drawn one pixel up and left of the ship and ORed on it: it must not tint it.
TEST(Sprites, ShieldRingLeavesTheShipUntouched) {
    const Picture& ship = Pic(glbMain::picPlayerChar);
    const Picture& ring = Pic(glbMain::picPlayer_Shield);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (Rgb(ship, x, y) != 0) {
                EXPECT_EQ(Rgb(ring, x + 1, y + 1), 0u) << x << "," << y;
            }
    EXPECT_EQ(Rgb(ring, 9, 9), 0u);
}

TEST(Sprites, ExplosionsStayInsideTheirCells) {
    for (int sheet = 0; sheet < 5; ++sheet) {
        const Picture& p = Pic(glbMain::BlastSprite(sheet));
        for (int cell = 0; cell < 16; ++cell) {
            const int ox = (cell % 8) * 96, oy = (cell / 8) * 96;
            int bleeding = 0;
            for (int i = 0; i < 96; ++i)
                for (int m = 0; m < 2; ++m) {
                    bleeding += Rgb(p, ox + i, oy + m) != 0 || Rgb(p, ox + i, oy + 95 - m) != 0;
                    bleeding += Rgb(p, ox + m, oy + i) != 0 || Rgb(p, ox + 95 - m, oy + i) != 0;
                }
            EXPECT_EQ(bleeding, 0) << "sheet " << sheet << " cell " << cell;
        }
    }
}

TEST(Sprites, ExplosionsFlareUpThenFadeAlmostToNothing) {
    for (int sheet = 0; sheet < 5; ++sheet) {
        const Picture& p = Pic(glbMain::BlastSprite(sheet));
        double peak = 0;
        int peakCell = 0;
        for (int cell = 0; cell < 16; ++cell)
            if (CellSum(p, cell).Total() > peak) peak = CellSum(p, cell).Total(), peakCell = cell;
        EXPECT_GT(CellSum(p, 0).Total(), 0.0) << "sheet " << sheet;
        EXPECT_LT(peakCell, 8) << "sheet " << sheet;
        EXPECT_LT(CellSum(p, 15).Total(), peak * 0.05) << "sheet " << sheet;
        EXPECT_LT(CellSum(p, 14).Total(), CellSum(p, 10).Total()) << "sheet " << sheet;
    }
}

// Explosions vary: the five sheets' dominant colours are far apart.
TEST(Sprites, ExplosionSheetsDifferInColour) {
    double hue[5][3];
    for (int sheet = 0; sheet < 5; ++sheet) {
        Sum s;
        for (int cell = 2; cell < 10; ++cell) {
            const Sum c = CellSum(Pic(glbMain::BlastSprite(sheet)), cell);
            s.r += c.r, s.g += c.g, s.b += c.b;
        }
        hue[sheet][0] = s.r / s.Total(), hue[sheet][1] = s.g / s.Total(), hue[sheet][2] = s.b / s.Total();
    }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) {
            const double d = std::hypot(hue[a][0] - hue[b][0], hue[a][1] - hue[b][1], hue[a][2] - hue[b][2]);
            EXPECT_GT(d, 0.05) << "sheets " << a << " and " << b;
        }
}

TEST(Sprites, IconsComeInEverySize) {
    for (int size : {16, 32, 48, 256}) {
        const QImage icon(QStringLiteral(":/icon/icon%1.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "corners are see-through, size " << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

} // namespace
