#pragma once
// The sound effects the rules ask for. The host decides whether and how they sound; the rules
// never learn, so a game plays the same with them on or off, and a replay with or without them.

namespace platform {

enum class Effect : int {
    BalkanShot, Sonic, Laser, PoniDestroyed, BossHit, BossDestroyed, RocketLaunched, ShieldHit, ShipDestroyed,
    ItemPickedUp, Bomb,
};
inline constexpr int kEffectCount = static_cast<int>(Effect::Bomb) + 1;

} // namespace platform
