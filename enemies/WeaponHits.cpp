#include "enemies/WeaponHits.h"

namespace glbMain {

void Check_WeaponHits() {}
void Destroy_Poni(int) {}

} // namespace glbMain
