#include "enemies/Items.h"

namespace glbMain {

void Drop_Item(int, int16_t, int16_t) {}
void Move_Items() {}
void PickUp_Items() {}
void Detonate_Bomb() {}

} // namespace glbMain
