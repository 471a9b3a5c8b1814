#include "draw/Draw.h"

#include "draw/Sprites.h"
#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/EnemyFire.h"
#include "enemies/Items.h"
#include "enemies/Rockets.h"
#include "enemies/Waves.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "player/Stars.h"
#include "player/Weapons.h"
#include "records/Config.h"

namespace draw {

using namespace glbMain;

namespace {
// Draws every active slot of a table from one picture (or one picture per slot).
template <typename Table, typename PickPicture>
void BlitTable(const Table& table, PickPicture pick) {
    for (const auto& slot : table)
        if (slot.Active) Frame.OrBlit(Pic(pick(slot)), slot.X, slot.Y, slot.Width, slot.Height);
}
} // namespace

void Draw_Stars() {
    if (!glbSystem::cfgStar) return;
    for (const auto& star : Star) {
        if (!star.Active) continue;
        const uint32_t g = static_cast<uint32_t>(255 - (star.Speed + 9) * 25);
        Frame.Plot(star.X, star.Y, g | (g << 8) | (g << 16));
    }
}

void Draw_Player() {
    if (Player.Alive) Frame.OrBlit(Pic(picPlayerChar), Player.X, Player.Y, Player.Width, Player.Height);
}

void Draw_Shield() {
    if (Player.Shield > 0 && Player.Alive) {
        const auto& size = kSprite[picPlayer_Shield];
        Frame.OrBlit(Pic(picPlayer_Shield), Player.X - 1, Player.Y - 1, size.Width, size.Height);
    }
}

void Draw_Shots() {
    BlitTable(BalkanShot, [](const auto&) { return picPlayer_Balkan; });
    if (Sonic.Active) Frame.OrBlit(Pic(picPlayer_Sonic), Sonic.X, Sonic.Y, 2, Sonic.Height);
    if (Laser.Active) {
        Frame.OrBlit(Pic(picPlayer_Laser), Laser.X, Laser.UpperY, Laser.Width, Laser.Thickness);
        Frame.OrBlit(Pic(picPlayer_Laser), Laser.X, Laser.LowerY, Laser.Width, Laser.Thickness);
    }
}

void Draw_Items() {
    BlitTable(ItemTable, [](const ItemRecord& item) { return ItemSprite(item.Kind); });
}

void Draw_Enemies() {
    BlitTable(PoniTable, [](const auto&) { return picPoni; });
}

void Draw_Boss() {
    if (BossPresent) Frame.OrBlit(Pic(picBoss_01), BossX, BossY, BossWidth, BossHeight);
}

void Draw_EnemyShots() {
    BlitTable(EnemyBalkanTable, [](const auto&) { return picEnemy_Balkan; });
}

void Draw_Rockets() {
    BlitTable(BossRocketTable, [](const auto&) { return picBoss_Rocket; });
}

void Draw_Explosions() {
    for (const auto& blast : BlastTable) {
        if (!blast.Active) continue;
        // Cells -1 and 16 lie outside the sheet; the clipping of OrBlit draws nothing for them.
        const int cell = blast.Frame + 1;
        const int sx = (cell % 8) * blast.Width;
        const int sy = platform::Int(cell / 8.0) * blast.Height;
        Frame.OrBlit(Pic(BlastSprite(blast.Sheet)), blast.X, blast.Y, blast.Width, blast.Height, sx, sy);
    }
}

void Compose_Frame(uint32_t backColor) {
    Frame.Clear(backColor);
    Draw_Stars();
    Draw_Player();
    Draw_Shield();
    Draw_Shots();
    Draw_Items();
    Draw_Enemies();
    Draw_Boss();
    Draw_EnemyShots();
    Draw_Rockets();
    Draw_Explosions();
}

} // namespace draw
