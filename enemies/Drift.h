#pragma once
// Straight horizontal flight for the tables whose objects just vanish at the field's edge.
namespace glbMain {

// Moves every slot in use by its Vx and frees those that have left the field: wholly past
// the left edge, or at the right edge.
template <typename Table>
void Drift_Table(Table& table) {
    for (auto& slot : table) {
        if (!slot.Active) continue;
        slot.X = static_cast<decltype(slot.X)>(slot.X + slot.Vx);
        if (slot.X <= -slot.Width || slot.X >= 320) slot.Active = 0;
    }
}

} // namespace glbMain
