#include "enemies/EnemyFire.h"

namespace glbMain {

void Tick_EnemyFire() {}
void Fire_EnemyBalkan(int) {}
void Move_EnemyBalkans() {}
void Check_EnemyBalkanHits() {}
void Check_PoniRams() {}
void Check_StrayBullets() {}
void Hit_Shield(bool) {}
void Kill_Player() {}

} // namespace glbMain
