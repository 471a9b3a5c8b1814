// Items: which kind a destroyed ぽに leaves, their drift, the pickup, and the bomb.
#include "support/GameFixture.h"

#include <set>
#include <vector>

#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/EnemyFire.h"
#include "enemies/Items.h"
#include "enemies/Rockets.h"
#include "enemies/Waves.h"
#include "platform/Random.h"
#include "player/Player.h"

using namespace glbMain;

namespace {
constexpr int kPoni = 5;

void ClearItems() {
    for (auto& item : ItemTable) item.Active = 0;
}
} // namespace

class ItemsTest : public GameFixture {
protected:
    // A ぽに just destroyed in slot kPoni: freed, but its speed still readable.
    void FreedPoni(int16_t vx) { PoniTable[kPoni] = {0, vx, 100, 50, 16, 16, 0}; }

    // The kinds seen over many drops, checking each drop's drift on the way.
    std::set<int> KindsDropped(int16_t poniVx, int drops = 400) {
        FreedPoni(poniVx);
        std::set<int> kinds;
        for (int i = 0; i < drops; ++i) {
            ClearItems();
            Drop_Item(kPoni, 100, 50);
            const auto& item = ItemTable[0];
            kinds.insert(item.Kind);
            const int drift = item.Kind == 6 ? 2 : (poniVx < 0 ? -1 : 1);
            EXPECT_EQ(item.Vx, drift) << "kind " << item.Kind;
        }
        return kinds;
    }

    // Speed 4, shield 8, main weapon Balkan at power 8.
    void FullyEquipped() {
        Player.Speed = 4;
        Player.Shield = 8;
        Player.MainWeapon = 1;
        Player.Power[1] = 8;
    }
};

TEST_F(ItemsTest, DropTakesTheLowestFreeSlotCentredOnThePoni) {
    ItemTable[0].Active = -1;
    ItemTable[1].Active = -1;
    FreedPoni(-2);
    Drop_Item(kPoni, 100, 50);
    const auto& item = ItemTable[2];
    EXPECT_EQ(item.Active, -1);
    EXPECT_EQ(item.Width, 16);
    EXPECT_EQ(item.Height, 16);
    EXPECT_EQ(item.X, 92);
    EXPECT_EQ(item.Y, 42);
    EXPECT_EQ(item.Vx, -1);
    EXPECT_EQ(ItemTable[3].Active, 0);
}

TEST_F(ItemsTest, DropIntoAFullTableIsLostWithoutADraw) {
    for (auto& item : ItemTable) item = {-1, 3, 1, 7, 9, 16, 16};
    FreedPoni(2);
    platform::Randomize(1);
    Drop_Item(kPoni, 100, 50);
    EXPECT_EQ(platform::RndCount(), 0u);
    for (const auto& item : ItemTable) EXPECT_EQ(item.Kind, 3);
}

TEST_F(ItemsTest, FreshShipGetsEveryKindButExtraWeaponsComeOnlyFromRightFlyers) {
    EXPECT_EQ(KindsDropped(-2), (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(KindsDropped(3), (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(ItemsTest, UselessKindsAreDrawnAgainButTheBombNeverIs) {
    FullyEquipped();
    EXPECT_EQ(KindsDropped(-2), (std::set<int>{2, 3, 5}));
    EXPECT_EQ(KindsDropped(1), (std::set<int>{2, 3, 5, 6}));
}

TEST_F(ItemsTest, OnlyTheMainWeaponAtFullPowerIsRefused) {
    Player.MainWeapon = 2;
    Player.Power = {0, 8, 8, 0};
    Player.Shield = 512;  // a cheat shield refuses shield items too
    EXPECT_EQ(KindsDropped(-2), (std::set<int>{0, 1, 3, 5}));
}

TEST_F(ItemsTest, RefusedDrawsAreUsedUpInOrder) {
    FullyEquipped();
    FreedPoni(-2);
    for (uint64_t seed : {3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        // Work out by hand which draw is the first acceptable one: 2, 3 or 5.
        platform::Randomize(seed);
        int draws = 0, kind = -1;
        while (kind != 2 && kind != 3 && kind != 5) {
            kind = static_cast<int>(platform::Rnd() * 7);
            ++draws;
        }
        platform::Randomize(seed);
        ClearItems();
        Drop_Item(kPoni, 100, 50);
        EXPECT_EQ(ItemTable[0].Kind, kind);
        EXPECT_EQ(platform::RndCount(), static_cast<uint64_t>(draws));
    }
}

TEST_F(ItemsTest, ItemsDriftOffBothSides) {
    ItemTable[0] = {-1, 1, -1, -14, 40, 16, 16};
    ItemTable[1] = {-1, 6, 2, 317, 40, 16, 16};
    ItemTable[2] = {-1, 2, 1, 319, 40, 16, 16};
    Move_Items();
    EXPECT_EQ(ItemTable[0].X, -15);
    EXPECT_EQ(ItemTable[0].Active, -1);
    EXPECT_EQ(ItemTable[1].X, 319);
    EXPECT_EQ(ItemTable[1].Active, -1);
    EXPECT_EQ(ItemTable[2].Active, 0);  // at 320
    Move_Items();
    EXPECT_EQ(ItemTable[0].Active, 0);  // at -16
    EXPECT_EQ(ItemTable[1].Active, 0);  // at 321
}

TEST_F(ItemsTest, PickUpAppliesEveryOverlappingItemInSlotOrder) {
    // The ship is at (64, 112).
    ItemTable[0] = {-1, 0, -1, 70, 100, 16, 16};
    ItemTable[4] = {-1, 4, -1, 50, 120, 16, 16};
    ItemTable[6] = {-1, 1, -1, 80, 112, 16, 16};  // touches the ship's right edge
    Player.Alive = -1;
    PickUp_Items();
    EXPECT_EQ(ItemTable[0].Active, 0);
    EXPECT_EQ(ItemTable[4].Active, 0);
    EXPECT_EQ(ItemTable[6].Active, -1);
    EXPECT_EQ(Player.Speed, 3);
    EXPECT_EQ(Player.Shield, 2);
    EXPECT_EQ(Player.Power[1], 1);
    EXPECT_EQ(gameScore, 20);
}

TEST_F(ItemsTest, DestroyedShipPicksUpNothing) {
    ItemTable[0] = {-1, 0, -1, 70, 100, 16, 16};
    Player.Alive = 0;
    PickUp_Items();
    EXPECT_EQ(ItemTable[0].Active, -1);
    EXPECT_EQ(Player.Speed, 2);
}

class BombTest : public ItemsTest {
protected:
    void SetUp() override {
        ItemsTest::SetUp();
        PoniTable[0] = {-1, -2, 200, 30, 16, 16, 3};
        PoniTable[3] = {-1, 3, 10, 200, 16, 16, 0};
        PoniTable[7] = {-1, -1, 150, 150, 16, 16, 5};
        EnemyBalkanTable[0] = {-1, 0, -6, 150, 38, 10, 1};
        EnemyBalkanTable[5] = {-1, 7, 5, 100, 162, 10, 1};
        // A boss and a rocket the bomb must leave alone.
        BossPhase = BossPresent = BossVulnerable = -1;
        BossHP = 300;
        BossRocketTable[2] = {-1, -5, 250, 20, 16, 16, 30};
        ItemTable[9] = {-1, 5, -1, 66, 110, 16, 16};  // the bomb, on the ship
    }
};

TEST_F(BombTest, NormalModeBombClearsPoniAndBullets) {
    PickUp_Items();
    EXPECT_EQ(gameBackColor, 16777215u);
    for (const auto& p : PoniTable) EXPECT_EQ(p.Active, 0);
    for (const auto& b : EnemyBalkanTable) EXPECT_EQ(b.Active, 0);
    EXPECT_EQ(gameScore, 3 * 10 + 10);
    EXPECT_EQ(gameHasKilled, -1);
    ASSERT_EQ(CountActive(BlastTable), 3);
    EXPECT_EQ(BlastTable[0].X, 208 - 48);  // in slot order, at each ぽに's centre
    EXPECT_EQ(BlastTable[0].Y, 38 - 48);
    EXPECT_EQ(BlastTable[1].X, 18 - 48);
    EXPECT_EQ(BlastTable[2].Y, 158 - 48);
    for (const auto& item : ItemTable) EXPECT_EQ(item.Active, 0) << "the bomb drops nothing";
    EXPECT_EQ(BossHP, 300);
    EXPECT_EQ(BossPresent, -1);
    EXPECT_EQ(BossRocketTable[2].Active, -1);
}

TEST_F(BombTest, HardModeBombLeavesTheBullets) {
    glbSystem::cfgHardMode = 1;
    PickUp_Items();
    for (const auto& p : PoniTable) EXPECT_EQ(p.Active, 0);
    EXPECT_EQ(EnemyBalkanTable[0].Active, -1);
    EXPECT_EQ(EnemyBalkanTable[5].Active, -1);
    EXPECT_EQ(gameScore, 40);
}
