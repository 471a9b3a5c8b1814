#include "player/Weapons.h"

#include "platform/Platform.h"
#include "platform/Types.h"
#include "player/Player.h"

namespace glbMain {

using namespace platform;

void Fire_Balkan() {
    // The ring slot is taken even if its old shot is still flying: power bounds the shots on screen.
    auto& shot = BalkanShot[NextBalkan];
    shot.Active = True;
    shot.X = static_cast<int16_t>(Player.X + Player.Width - 1 - shot.Speed);
    shot.Y = static_cast<int16_t>(CInt((Player.Height - shot.Height) / 2.0 + Player.Y + 3));
    ++NextBalkan;
    if (NextBalkan > Player.Power[1] - 1 || NextBalkan > 7) NextBalkan = 0;
    Play_Effect(Effect::BalkanShot);
}

void Fire_Sonic() {
    if (Sonic.Active) return;
    Sonic.Active = True;
    Sonic.Height = 1;
    Sonic.X = static_cast<int16_t>(Player.X + Player.Width - Sonic.Width - 1);
    Sonic.Y = static_cast<int16_t>(CInt((Player.Height - 1) / 2.0 + Player.Y + 3));
    Sonic.GrowTick = 0;
    Sonic.Energy = static_cast<int16_t>(Player.Power[2] * 4 + 8);
    Play_Effect(Effect::Sonic);
}

void Fire_Laser() {
    if (Laser.Active || Laser.Cooldown > 0) return;
    const int16_t power = Player.Power[3];
    Laser.Active = True;
    Laser.Spread = static_cast<int16_t>(power * 4);
    Laser.Width = static_cast<int16_t>(Player.Width * 2);
    Laser.Thickness = static_cast<int16_t>(power * 4);
    Laser.X = static_cast<int16_t>(CInt((Player.Width - Player.Width * 2) / 2.0 + Player.X));
    Laser.Timer = 8;
    // The beams stay where they were fired, 16 pixels above and below the ship.
    Laser.UpperY = static_cast<int16_t>(Player.Y - 16 - Laser.Thickness);
    Laser.LowerY = static_cast<int16_t>(Player.Y + Player.Height + 16);
    Play_Effect(Effect::Laser);
}

void End_Laser() {
    Laser.Active = False;
    Laser.Cooldown = Player.Power[3];
}

namespace {

void Move_Balkans() {
    for (auto& shot : BalkanShot) {
        if (!shot.Active) continue;
        shot.X = static_cast<int16_t>(shot.X + shot.Speed);
        if (shot.X >= 320) shot.Active = False;
    }
}

void Move_Sonic() {
    if (!Sonic.Active) return;
    // Hits may have drained the wave below zero last frame: it ends without moving again.
    if (Sonic.Energy < 0) {
        Sonic.Active = False;
        return;
    }
    --Sonic.Energy;
    Sonic.X = static_cast<int16_t>(Sonic.X + Sonic.Speed);
    if (Sonic.X >= 320) {
        Sonic.Active = False;
        return;
    }
    if (++Sonic.GrowTick >= 2) {
        // Grows at both ends so its centre line stays put.
        Sonic.GrowTick = 0;
        Sonic.Y = static_cast<int16_t>(Sonic.Y - Player.Power[2]);
        Sonic.Height = static_cast<int16_t>(Sonic.Height + Player.Power[2] * 2);
    }
}

void Move_Laser() {
    // Decided on the state at the start of the step: in the frame the beams end, neither the
    // leftover Timer nor the Cooldown counts down, so the next shot comes in frame 9 + power.
    if (Laser.Active) {
        if (Laser.Timer <= 0) {
            End_Laser();
        } else {
            --Laser.Timer;
            Laser.X = static_cast<int16_t>(Laser.X - Laser.Spread);
            Laser.Width = static_cast<int16_t>(Laser.Width + Laser.Spread * 2);
        }
    } else if (Laser.Timer > 0) {
        // Beams the boss cut short run out their Timer before the Cooldown starts.
        --Laser.Timer;
    } else if (Laser.Cooldown > 0) {
        --Laser.Cooldown;
    }
}

} // namespace

void Move_Shots() {
    Move_Balkans();
    Move_Sonic();
    Move_Laser();
}

bool Laser_Covers(int16_t x, int16_t y, int16_t w, int16_t h) {
    return Overlaps(Laser.X, Laser.UpperY, Laser.Width, Laser.Thickness, x, y, w, h) ||
           Overlaps(Laser.X, Laser.LowerY, Laser.Width, Laser.Thickness, x, y, w, h);
}

} // namespace glbMain
