// Frame composition on real pixels: OR transfers, flashes, clipping, what is not drawn.
#include "support/GameFixture.h"

#include "draw/Draw.h"
#include "draw/Sprites.h"
#include "enemies/Blasts.h"
#include "enemies/Waves.h"
#include "player/Player.h"
#include "player/Stars.h"
#include "player/Weapons.h"

using namespace glbMain;
using draw::Frame;

class DrawTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        ASSERT_TRUE(draw::Load_Sprites(&error)) << error;
        glbSystem::cfgStar = 0;
        for (auto& star : Star) star.Active = 0;
    }
    uint32_t PicAt(glbMain::SpriteId id, int x, int y) {
        const auto& pic = draw::Pic(id);
        return pic.Pixels[static_cast<size_t>(y) * pic.Width + x];
    }
    // Every pixel of the frame equals the cleared background except inside the rectangle.
    bool OnlyInside(int x0, int y0, int w, int h, uint32_t background) {
        for (int y = 0; y < glbMain::FieldHeight; ++y)
            for (int x = 0; x < glbMain::FieldWidth; ++x) {
                const bool inside = x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
                if (!inside && Frame.At(x, y) != background) return false;
            }
        return true;
    }
    std::string error;
};

TEST_F(DrawTest, ShipIsCopiedOntoBlack) {
    draw::Compose_Frame(0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(Frame.At(64 + x, 112 + y), PicAt(glbMain::picPlayerChar, x, y));
    EXPECT_TRUE(OnlyInside(64, 112, 16, 16, 0xff000000u));
}

TEST_F(DrawTest, OverlappingSpritesAreOred) {
    PoniTable[0].Active = -1;
    PoniTable[0].X = 70;
    PoniTable[0].Y = 115;
    draw::Compose_Frame(0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int fx = 70 + x, fy = 115 + y;
            uint32_t want = PicAt(glbMain::picPoni, x, y);
            if (fx - 64 < 16 && fy - 112 < 16) want |= PicAt(glbMain::picPlayerChar, fx - 64, fy - 112);
            ASSERT_EQ(Frame.At(fx, fy), want) << fx << "," << fy;
        }
}

TEST_F(DrawTest, FlashColoursTheBackgroundAndAddsRedToSprites) {
    draw::Compose_Frame(255);  // red
    EXPECT_EQ(Frame.At(0, 0), 0xffff0000u);
    EXPECT_EQ(Frame.At(64 + 8, 112 + 8), PicAt(glbMain::picPlayerChar, 8, 8) | 0xffff0000u);
    draw::Compose_Frame(16776960);  // cyan
    EXPECT_EQ(Frame.At(319, 239), 0xff00ffffu);
}

TEST_F(DrawTest, StarsReplaceThePixelInsteadOfOring) {
    glbSystem::cfgStar = -1;
    Star[0] = {-1, -9, 10, 10};
    Star[1] = {-1, -2, 11, 10};
    draw::Compose_Frame(255);
    EXPECT_EQ(Frame.At(10, 10), 0xffffffffu);
    EXPECT_EQ(Frame.At(11, 10), 0xff505050u);  // grey 80
}

TEST_F(DrawTest, ShotsAndBeamsAreClippedAtTheEdges) {
    Laser.Active = -1;
    Laser.X = 300;
    Laser.UpperY = -10;
    Laser.LowerY = 236;
    Laser.Width = 40;
    Laser.Thickness = 12;
    Player.Alive = 0;
    draw::Compose_Frame(0);
    EXPECT_EQ(Frame.At(300, 0), 0xffff0000u);
    EXPECT_EQ(Frame.At(319, 1), 0xffff0000u);
    EXPECT_EQ(Frame.At(300, 2), 0xff000000u);  // the upper beam ends at y = 1
    EXPECT_EQ(Frame.At(319, 239), 0xffff0000u);
    EXPECT_EQ(Frame.At(299, 239), 0xff000000u);
}

TEST_F(DrawTest, DestroyedShipAndItsShieldAreNotDrawnButItsShotsAre) {
    Player.Alive = 0;
    Player.Shield = 3;
    BalkanShot[2].Active = -1;
    BalkanShot[2].X = 100;
    BalkanShot[2].Y = 50;
    draw::Compose_Frame(0);
    EXPECT_TRUE(OnlyInside(100, 50, 12, 1, 0xff000000u));
    EXPECT_EQ(Frame.At(100, 50), PicAt(glbMain::picPlayer_Balkan, 0, 0));
}

TEST_F(DrawTest, ShieldSitsOnePixelAroundTheShip) {
    Player.Shield = 1;
    draw::Compose_Frame(0);
    EXPECT_TRUE(OnlyInside(63, 111, 18, 18, 0xff000000u));
}

TEST_F(DrawTest, ExplosionCellsFollowTheFrameAndVanishOutsideTheSheet) {
    Player.Alive = 0;
    auto& blast = BlastTable[0];
    blast = {-1, 2, 20, 30, 96, 96, 8};  // cell 9: second row, second column
    draw::Compose_Frame(0);
    for (int y = 0; y < 96; y += 7)
        for (int x = 0; x < 96; x += 5)
            ASSERT_EQ(Frame.At(20 + x, 30 + y), PicAt(glbMain::picBlast2, 96 + x, 96 + y) | 0xff000000u);

    for (int16_t frame : {int16_t(-2), int16_t(15)}) {  // cells -1 and 16
        blast.Frame = frame;
        draw::Compose_Frame(0);
        EXPECT_TRUE(OnlyInside(0, 0, 0, 0, 0xff000000u)) << frame;
    }
}

TEST_F(DrawTest, ExplosionAtTheCornerIsCut) {
    Player.Alive = 0;
    BlastTable[0] = {-1, 0, -48, -48, 96, 96, 3};  // cell 4
    draw::Compose_Frame(0);
    for (int y = 0; y < 48; y += 3)
        for (int x = 0; x < 48; x += 3) ASSERT_EQ(Frame.At(x, y), PicAt(glbMain::picBlast0, 4 * 96 + 48 + x, 48 + y));
}
