#pragma once
// Qt key codes to the virtual-key codes the game speaks, through the keys the player chose.
namespace input {

// The virtual key of the action bound to the key, or of a debugging key F7 to F11; 0 for keys
// the game has no use for.
int VirtualKeyFromQt(int qtKey);
// The key bound to the action the rules know as vk: what a key sent on the action's behalf
// (a controller's Start, the pause for a lost focus) must be. 0 for none.
int QtKeyFromVirtual(int vk);
// Whether the key switches the game window's full screen.
bool FullScreenKey(int qtKey);

} // namespace input
