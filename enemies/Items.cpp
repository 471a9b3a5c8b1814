#include "enemies/Items.h"

#include "enemies/Blasts.h"
#include "enemies/Drift.h"
#include "enemies/EnemyFire.h"
#include "enemies/Waves.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "records/Config.h"
#include "state/Field.h"
#include "state/GameState.h"

namespace glbMain {

using namespace platform;

namespace {
constexpr int16_t kSpeedUp = 0, kShieldUp = 4, kBomb = 5, kExtraWeapon = 6;

// Kinds that would do nothing for the ship now are drawn again; the bomb never is.
bool Refused(int16_t kind, const PoniRecord& poni) {
    if (kind == kSpeedUp) return Player.Speed >= 4;
    if (kind >= 1 && kind <= 3) return kind == Player.MainWeapon && Player.Power[kind] >= 8;
    if (kind == kExtraWeapon) return poni.Vx < 0;
    if (kind == kShieldUp) return Player.Shield >= 8;
    return false;
}

int FreeItemSlot() {
    for (int i = 0; i < static_cast<int>(ItemTable.size()); ++i)
        if (!ItemTable[i].Active) return i;
    return -1;
}
} // namespace

void Drop_Item(int poniIndex, int16_t x, int16_t y) {
    const int slot = FreeItemSlot();
    if (slot < 0) return;
    auto& item = ItemTable[slot];
    // The ぽに's slot is already free, but its speed is still there to read.
    const auto& poni = PoniTable[poniIndex];
    item.Active = True;
    do {
        item.Kind = static_cast<int16_t>(Int(Rnd() * 7));
    } while (Refused(item.Kind, poni));
    item.Vx = item.Kind == kExtraWeapon ? 2 : (poni.Vx < 0 ? -1 : 1);
    const auto& size = glbMain::kSprite[glbMain::ItemSprite(item.Kind)];
    item.Width = size.Width;
    item.Height = size.Height;
    item.X = static_cast<int16_t>(CInt(x - item.Width / 2.0));
    item.Y = static_cast<int16_t>(CInt(y - item.Height / 2.0));
}

void Move_Items() { Drift_Table(ItemTable); }

void PickUp_Items() {
    if (!Player.Alive) return;
    for (auto& item : ItemTable) {
        if (!item.Active) continue;
        if (!Overlaps(item.X, item.Y, item.Width, item.Height, Player.X, Player.Y, Player.Width, Player.Height))
            continue;
        item.Active = False;
        // The bomb sounds as itself.
        if (item.Kind != kBomb) Play_Effect(Effect::ItemPickedUp);
        ApplyItem(item.Kind);
    }
}

void Detonate_Bomb() {
    Flash_Screen(16777215);
    Play_Effect(Effect::Bomb);
    if (glbSystem::cfgHardMode <= 0)
        for (auto& bullet : EnemyBalkanTable) bullet.Active = False;
    for (int i = 0; i < static_cast<int>(PoniTable.size()); ++i) {
        const auto& poni = PoniTable[i];
        if (poni.Active != True) continue;
        if (!gameHasKilled) gameHasKilled = True;
        Remove_Poni(i);
        gameScore += 10;
        Spawn_Blast(CentreOf(poni.X, poni.Width), CentreOf(poni.Y, poni.Height));
    }
}

} // namespace glbMain
