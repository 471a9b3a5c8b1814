// The ship: movement and its clamps, the fire dispatcher's wait, and what each item does.
#include "support/GameFixture.h"

#include "player/Player.h"
#include "player/Weapons.h"

using namespace glbMain;
using platform::VK_DOWN;
using platform::VK_LEFT;
using platform::VK_RIGHT;
using platform::VK_SPACE;
using platform::VK_UP;

class PlayerTest : public GameFixture {};

TEST_F(PlayerTest, StartsCentredWithOneBalkan) {
    EXPECT_EQ(Player.Alive, -1);
    EXPECT_EQ(Player.X, 64);
    EXPECT_EQ(Player.Y, 112);
    EXPECT_EQ(Player.Width, 16);
    EXPECT_EQ(Player.Height, 16);
    EXPECT_EQ(Player.Speed, 2);
    EXPECT_EQ(Player.MainWeapon, 1);
    EXPECT_EQ(Player.SubWeapon, 0);
    EXPECT_EQ(Player.Power[1], 1);
    EXPECT_EQ(Player.Power[2], 0);
    EXPECT_EQ(Player.Power[3], 0);
    EXPECT_EQ(Player.Shield, 0);
    EXPECT_EQ(Player.FireWait, 0);
}

TEST_F(PlayerTest, ArrowsMoveBySpeedAndOppositesCancel) {
    host.Hold(VK_RIGHT);
    host.Hold(VK_DOWN);
    Move_Player();
    EXPECT_EQ(Player.X, 66);
    EXPECT_EQ(Player.Y, 114);

    host.Hold(VK_LEFT);
    host.Hold(VK_UP);
    Move_Player();
    EXPECT_EQ(Player.X, 66);
    EXPECT_EQ(Player.Y, 114);
}

TEST_F(PlayerTest, ClampsKeepTheShipOffTheOuterRowsAndColumns) {
    Player.Speed = 4;
    Player.X = 303;
    Player.Y = 223;
    host.Hold(VK_RIGHT);
    host.Hold(VK_DOWN);
    Move_Player();
    EXPECT_EQ(Player.X, 303);
    EXPECT_EQ(Player.Y, 223);

    host.ReleaseAll();
    Player.X = 1;
    Player.Y = 2;
    host.Hold(VK_LEFT);
    host.Hold(VK_UP);
    Move_Player();  // -3 and -2 before the clamp
    EXPECT_EQ(Player.X, 1);
    EXPECT_EQ(Player.Y, 1);

    // 302 + 2 + 16 + 1 = 321 >= 320: pulled back to 303.
    host.ReleaseAll();
    Player.Speed = 2;
    Player.X = 302;
    host.Hold(VK_RIGHT);
    Move_Player();
    EXPECT_EQ(Player.X, 303);
}

TEST_F(PlayerTest, DestroyedShipIgnoresKeys) {
    Player.Alive = 0;
    host.Hold(VK_RIGHT);
    host.Hold(VK_SPACE);
    Move_Player();
    Fire_Weapons();
    EXPECT_EQ(Player.X, 64);
    EXPECT_EQ(Player.FireWait, 0);
    EXPECT_FALSE(BalkanShot[0].Active);
}

TEST_F(PlayerTest, FireWaitCountsOnlyWhileSpaceIsHeld) {
    host.Hold(VK_SPACE);
    Fire_Weapons();
    EXPECT_TRUE(BalkanShot[0].Active);
    EXPECT_EQ(Player.FireWait, 3);

    // Released: the wait stays where it is.
    host.ReleaseAll();
    for (int i = 0; i < 5; ++i) Fire_Weapons();
    EXPECT_EQ(Player.FireWait, 3);

    // Held again: three frames of waiting, the fourth fires.
    BalkanShot[0].Active = 0;
    host.Hold(VK_SPACE);
    for (int frame = 1; frame <= 3; ++frame) {
        Fire_Weapons();
        EXPECT_FALSE(BalkanShot[0].Active) << "frame " << frame;
    }
    EXPECT_EQ(Player.FireWait, 0);
    Fire_Weapons();
    EXPECT_TRUE(BalkanShot[0].Active);
    EXPECT_EQ(Player.FireWait, 3);
}

TEST_F(PlayerTest, WaitIsSetEvenWhenNothingFires) {
    // Laser only: neither Balkan nor Sonic is in force, yet the dispatcher still waits 3.
    Player.MainWeapon = 3;
    Player.Power = {0, 1, 0, 1};
    host.Hold(VK_SPACE);
    Fire_Weapons();
    EXPECT_EQ(Player.FireWait, 3);
    EXPECT_FALSE(BalkanShot[0].Active);
    EXPECT_TRUE(Laser.Active);
}

TEST_F(PlayerTest, LaserIgnoresTheBalkanWait) {
    Player.SubWeapon = 3;
    Player.Power[3] = 1;
    Player.FireWait = 2;
    host.Hold(VK_SPACE);
    Fire_Weapons();
    EXPECT_EQ(Player.FireWait, 1);
    EXPECT_TRUE(Laser.Active);
}

TEST_F(PlayerTest, WeaponItemsSelectUnlessTheyAreTheExtraWeapon) {
    ApplyItem(2);
    EXPECT_EQ(Player.MainWeapon, 2);
    EXPECT_EQ(Player.Power[2], 1);

    Player.SubWeapon = 1;
    ApplyItem(1);
    EXPECT_EQ(Player.MainWeapon, 2);
    EXPECT_EQ(Player.Power[1], 2);

    Player.Power[3] = 8;
    ApplyItem(3);
    EXPECT_EQ(Player.MainWeapon, 3);
    EXPECT_EQ(Player.Power[3], 8);
    EXPECT_EQ(gameScore, 30);
}

TEST_F(PlayerTest, SpeedAndShieldAreCapped) {
    ApplyItem(0);
    ApplyItem(0);
    ApplyItem(0);
    EXPECT_EQ(Player.Speed, 4);
    Player.Shield = 7;
    ApplyItem(4);
    EXPECT_EQ(Player.Shield, 8);
    // Only the debugging shield is above 8; a shield item brings it down to 8.
    Player.Shield = 512;
    ApplyItem(4);
    EXPECT_EQ(Player.Shield, 8);
    EXPECT_EQ(gameScore, 50);
}

TEST_F(PlayerTest, ExtraWeaponNeverDuplicatesTheMainOne) {
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        Reset_World();
        platform::Randomize(seed);
        Player.MainWeapon = 2;
        Player.Power = {0, 1, 3, 0};
        ApplyItem(6);
        ASSERT_TRUE(Player.SubWeapon == 1 || Player.SubWeapon == 3) << Player.SubWeapon;
        EXPECT_GE(Player.Power[Player.SubWeapon], 1);
        EXPECT_EQ(Player.Power[2], 3);
    }
}

TEST_F(PlayerTest, SecondExtraWeaponArmsAllThreeAndThirdScores) {
    Player.SubWeapon = 1;
    ApplyItem(6);
    EXPECT_EQ(Player.SubWeapon, 256);
    EXPECT_EQ(Player.Power[1], 1);
    EXPECT_EQ(Player.Power[2], 1);
    EXPECT_EQ(Player.Power[3], 1);
    EXPECT_EQ(gameScore, 10);

    const auto before = Player;
    ApplyItem(6);
    EXPECT_EQ(Player.Power, before.Power);
    EXPECT_EQ(gameScore, 10 + 10000 + 10);
}

TEST_F(PlayerTest, PowerUpAndShieldCheats) {
    Cheat_PowerUp();
    EXPECT_EQ(Player.Speed, 4);
    EXPECT_EQ(Player.MainWeapon, 1);
    EXPECT_EQ(Player.SubWeapon, 256);
    EXPECT_EQ(Player.Power[1] + Player.Power[2] + Player.Power[3], 24);
    EXPECT_EQ(Player.Shield, 8);
    Cheat_Shield();
    EXPECT_EQ(Player.Shield, 512);
}
