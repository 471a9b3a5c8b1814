#include "enemies/Boss.h"

namespace glbMain {

void Start_Boss() {}
void Run_BossScript() {}
void Set_BossDiagonal(int16_t) {}
void Move_Boss() {}
void Strip_Shield() {}
void Check_BossContact() {}
void Check_BalkanOnBoss() {}
void Check_SonicOnBoss() {}
void Check_LaserOnBoss() {}
void Damage_Boss(int16_t) {}
void Destroy_Boss() {}

} // namespace glbMain
