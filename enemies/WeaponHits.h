#pragma once
// The player's weapons against the ぽに (and, through the boss's sub-steps, against the boss).
namespace glbMain {

void Check_WeaponHits();
void Destroy_Poni(int index);

} // namespace glbMain
