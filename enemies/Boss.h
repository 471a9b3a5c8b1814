#pragma once
// The boss ガルモ: its state, script, movement, contact and damage.
#include <cstdint>

namespace glbMain {

inline int16_t BossPhase = 0;
inline int16_t BossPresent = 0;
inline int16_t BossVulnerable = 0;
inline int16_t BossFireOn = 0;
inline int16_t BossWander = 0;
inline int32_t BossHP = 0;
inline int16_t BossVx = 0, BossVy = 0;
inline int16_t BossX = 0, BossY = 0;
inline int16_t BossWidth = 0, BossHeight = 0;
inline int16_t BossFireWait = 0;
inline int32_t BossDownFrame = 0;
// The script's memory of the hit points at its previous run; lives as long as the program.
inline int32_t PrevBossHP = 0;

void Start_Boss();
void Run_BossScript();
void Set_BossDiagonal(int16_t speed);
void Move_Boss();
void Strip_Shield();
void Check_BossContact();
// Sub-steps 4 to 6 of Check_WeaponHits.
void Check_BalkanOnBoss();
void Check_SonicOnBoss();
void Check_LaserOnBoss();
void Damage_Boss(int16_t damage);
void Destroy_Boss();

} // namespace glbMain
