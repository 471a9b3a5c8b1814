// The ship's weapons: where each shot starts, how it moves, and the firing rhythm with Space held.
#include "support/GameFixture.h"

#include "player/Player.h"
#include "player/Weapons.h"

using namespace glbMain;
using platform::VK_SPACE;

class WeaponsTest : public GameFixture {
protected:
    // The weapon part of one frame, in the main loop's order.
    void Frame() {
        Fire_Weapons();
        Move_Player();
        Move_Shots();
        ++gameFrame;
    }
    // Arms one weapon as the main one at the given power; the others are not in force.
    void Arm(int16_t weapon, int16_t power) {
        Player.MainWeapon = weapon;
        Player.Power[weapon] = power;
    }
};

// ---- Balkan ----

TEST_F(WeaponsTest, BalkanPowerOneRestartsItsSingleShotEveryFourthFrame) {
    host.Hold(VK_SPACE);
    // Fired from X 64 + 16 - 1 - 10 = 69, moved once before drawing: on the ship's last column.
    for (int f = 0; f < 12; ++f) {
        Frame();
        EXPECT_EQ(BalkanShot[0].Active, -1) << "frame " << f;
        EXPECT_EQ(BalkanShot[0].X, 79 + 10 * (f % 4)) << "frame " << f;
        EXPECT_EQ(BalkanShot[0].Y, 122);  // ship Y 112 even: + 10
        for (int s = 1; s < 8; ++s) EXPECT_EQ(BalkanShot[s].Active, 0);
    }
    EXPECT_EQ(NextBalkan, 0);
}

TEST_F(WeaponsTest, BalkanFromAnOddRowRoundsTheHalfDown) {
    Player.Y = 113;  // (16 - 1) / 2 + 113 + 3 = 123.5, rounds to the even 124
    Fire_Balkan();
    EXPECT_EQ(BalkanShot[0].Y, 124);
}

TEST_F(WeaponsTest, BalkanTappedOnceFliesToTheRightEdge) {
    host.Hold(VK_SPACE);
    Frame();
    host.ReleaseAll();
    // 69 + 10 k: still in the field after 25 moves (319), gone after the 26th (329).
    for (int f = 1; f < 25; ++f) Frame();
    EXPECT_EQ(BalkanShot[0].Active, -1);
    EXPECT_EQ(BalkanShot[0].X, 319);
    Frame();
    EXPECT_EQ(BalkanShot[0].Active, 0);
}

TEST_F(WeaponsTest, BalkanPowerEightWalksTheRingAndFreesShotsBeforeReuse) {
    Arm(1, 8);
    host.Hold(VK_SPACE);
    for (int f = 0; f < 32; ++f) {
        Frame();
        if (f % 4 == 0) {
            const int slot = f / 4;
            EXPECT_EQ(BalkanShot[slot].X, 79) << "slot " << slot;
            EXPECT_EQ(NextBalkan, (slot + 1) % 8);
        }
    }
    // The shot of frame 0 left the field in frame 25, before the ring came back to slot 0.
    EXPECT_EQ(BalkanShot[0].Active, 0);
    EXPECT_EQ(BalkanShot[7].X, 79 + 30);
    Frame();  // frame 32
    EXPECT_EQ(BalkanShot[0].Active, -1);
    EXPECT_EQ(BalkanShot[0].X, 79);
}

// ---- Sonic ----

TEST_F(WeaponsTest, SonicPowerOneMovesThirteenTimesThenFades) {
    Arm(2, 1);
    host.Hold(VK_SPACE);
    Frame();
    EXPECT_EQ(Sonic.X, 81);  // ship X + 17
    EXPECT_EQ(Sonic.Y, 122);
    EXPECT_EQ(Sonic.Height, 1);
    EXPECT_EQ(Sonic.Energy, 11);
    for (int f = 1; f < 13; ++f) Frame();
    // After 13 moves: 156 pixels on, grown 6 times by 1 at each end.
    EXPECT_EQ(Sonic.Active, -1);
    EXPECT_EQ(Sonic.X, 69 + 156);
    EXPECT_EQ(Sonic.Height, 13);
    EXPECT_EQ(Sonic.Y, 116);
    EXPECT_EQ(Sonic.Energy, -1);
    Frame();  // frame 13: switched off without moving
    EXPECT_EQ(Sonic.Active, 0);
    EXPECT_EQ(Sonic.X, 225);
    // The fire frames 4, 8, 12 found the wave out; the next one after it ended is 16.
    Frame(), Frame();  // frames 14, 15
    EXPECT_EQ(Sonic.Active, 0);
    Frame();  // frame 16
    EXPECT_EQ(Sonic.Active, -1);
    EXPECT_EQ(Sonic.X, 81);
    EXPECT_EQ(Sonic.Energy, 11);
}

TEST_F(WeaponsTest, SonicPowerEightLeavesTheFieldBeforeItsEnergyRunsOut) {
    Arm(2, 8);
    host.Hold(VK_SPACE);
    Frame();
    EXPECT_EQ(Sonic.Energy, 39);  // 8 * 4 + 8, less one move
    for (int f = 1; f < 20; ++f) Frame();
    // 20 moves: X 69 + 240, ten growth steps of 8 at each end.
    EXPECT_EQ(Sonic.Active, -1);
    EXPECT_EQ(Sonic.X, 309);
    EXPECT_EQ(Sonic.Height, 161);
    EXPECT_EQ(Sonic.Y, 42);
    Frame();  // frame 20: X 321, off; the fire step of this frame still found it out
    EXPECT_EQ(Sonic.Active, 0);
    for (int f = 21; f < 24; ++f) Frame();
    EXPECT_EQ(Sonic.Active, 0);
    Frame();  // frame 24
    EXPECT_EQ(Sonic.Active, -1);
    EXPECT_EQ(Sonic.X, 81);
}

// ---- Laser ----

TEST_F(WeaponsTest, LaserPowerOneWidensEightFramesAndReturnsTenFramesLater) {
    Arm(3, 1);
    host.Hold(VK_SPACE);
    Frame();
    EXPECT_EQ(Laser.Active, -1);
    EXPECT_EQ(Laser.Thickness, 4);
    EXPECT_EQ(Laser.UpperY, 112 - 16 - 4);
    EXPECT_EQ(Laser.LowerY, 112 + 16 + 16);
    EXPECT_EQ(Laser.X, 56 - 4);
    EXPECT_EQ(Laser.Width, 32 + 8);
    for (int f = 1; f < 8; ++f) Frame();
    EXPECT_EQ(Laser.Active, -1);
    EXPECT_EQ(Laser.Width, 96);
    EXPECT_EQ(Laser.X, 24);
    Frame();  // frame 8: the beams end; the cooldown starts counting only next frame
    EXPECT_EQ(Laser.Active, 0);
    EXPECT_EQ(Laser.Cooldown, 1);
    Frame();  // frame 9
    EXPECT_EQ(Laser.Active, 0);
    EXPECT_EQ(Laser.Cooldown, 0);
    Frame();  // frame 10
    EXPECT_EQ(Laser.Active, -1);
    EXPECT_EQ(Laser.Width, 40);
}

TEST_F(WeaponsTest, LaserPowerEightReachesFullWidthAndFiresAgainInFrameSeventeen) {
    Arm(3, 8);
    host.Hold(VK_SPACE);
    int lastFire = -1;
    for (int f = 0; f < 18; ++f) {
        const int16_t before = Laser.Active;
        Frame();
        if (!before && Laser.Active) lastFire = f;
        if (f == 7) {
            EXPECT_EQ(Laser.Width, 544);
            EXPECT_EQ(Laser.X, 56 - 256);
            EXPECT_EQ(Laser.Thickness, 32);
            EXPECT_EQ(Laser.UpperY, 64);
        }
    }
    EXPECT_EQ(lastFire, 17);
}

TEST_F(WeaponsTest, LaserBeamsStayPutAndWidenAfterSpaceIsReleased) {
    Arm(3, 1);
    host.Hold(VK_SPACE);
    Frame();
    host.ReleaseAll();
    host.Hold(platform::VK_DOWN);
    for (int f = 1; f < 8; ++f) Frame();
    EXPECT_EQ(Player.Y, 112 + 14);
    EXPECT_EQ(Laser.Active, -1);
    EXPECT_EQ(Laser.Width, 96);
    EXPECT_EQ(Laser.UpperY, 92);
    Frame();
    EXPECT_EQ(Laser.Active, 0);
}

TEST_F(WeaponsTest, LaserCutShortRunsOutItsTimerBeforeTheCooldown) {
    Arm(3, 1);
    host.Hold(VK_SPACE);
    Frame(), Frame(), Frame();  // Timer 5 after frame 2
    End_Laser();                // as the boss does in frame 2's hit tests
    for (int f = 3; f < 8; ++f) Frame();
    EXPECT_EQ(Laser.Timer, 0);
    EXPECT_EQ(Laser.Cooldown, 1);
    Frame();  // frame 8
    EXPECT_EQ(Laser.Active, 0);
    EXPECT_EQ(Laser.Cooldown, 0);
    Frame();  // frame 9
    EXPECT_EQ(Laser.Active, -1);
}

TEST_F(WeaponsTest, LaserFromTheTopRowReachesAboveTheField) {
    Arm(3, 2);
    Player.Y = 1;
    Fire_Laser();
    EXPECT_EQ(Laser.UpperY, 1 - 16 - 8);
    EXPECT_EQ(Laser.LowerY, 1 + 16 + 16);
}
