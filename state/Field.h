#pragma once
// The playing field and the fixed sizes of the sprite pictures. The rules read sizes from
// here (the ship's, the ぽに's, the boss's), so they hold whether or not pictures are loaded.
#include <cstdint>

namespace glbMain {

constexpr int FieldWidth = 320;
constexpr int FieldHeight = 240;

enum SpriteId : int {
    picPlayerChar,
    picPlayer_Shield,
    picPlayer_Balkan,
    picPlayer_Sonic,
    picPlayer_Laser,
    picItem0, picItem1, picItem2, picItem3, picItem4, picItem5, picItem6,
    picPoni,
    picBoss_01,
    picEnemy_Balkan,
    picBoss_Rocket,
    picBlast0, picBlast1, picBlast2, picBlast3, picBlast4,
    SpriteCount
};

struct SpriteSize {
    int16_t Width;
    int16_t Height;
    const char* file;  // resource name of the picture
};

inline constexpr SpriteSize kSprite[SpriteCount] = {
    {16, 16, "player.png"},   {18, 18, "shield.png"},   {48, 16, "balkan.png"},
    {5, 480, "sonic.png"},    {640, 480, "laser.png"},
    {16, 16, "item0.png"},    {16, 16, "item1.png"},    {16, 16, "item2.png"},
    {16, 16, "item3.png"},    {16, 16, "item4.png"},    {16, 16, "item5.png"},
    {16, 16, "item6.png"},
    {16, 16, "poni.png"},     {64, 64, "boss.png"},     {32, 4, "enemy_balkan.png"},
    {16, 16, "rocket.png"},
    {768, 192, "blast0.png"}, {768, 192, "blast1.png"}, {768, 192, "blast2.png"},
    {768, 192, "blast3.png"}, {768, 192, "blast4.png"},
};

constexpr SpriteId ItemSprite(int kind) { return static_cast<SpriteId>(picItem0 + kind); }
constexpr SpriteId BlastSprite(int sheet) { return static_cast<SpriteId>(picBlast0 + sheet); }

} // namespace glbMain
