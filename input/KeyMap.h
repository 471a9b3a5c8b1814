#pragma once
// Qt key codes to the virtual-key codes the game speaks.
namespace input {

// 0 for keys the game has no use for.
int VirtualKeyFromQt(int qtKey);

} // namespace input
