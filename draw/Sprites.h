#pragma once
// The sprite pictures, loaded once from the program's compiled-in resources.
#include <string>

#include "draw/FrameImage.h"
#include "state/Field.h"

namespace draw {

// Loads every picture; false (with the reason) when one is missing or has the wrong size.
// A picture that fails to load stays empty and draws nothing.
bool Load_Sprites(std::string* error = nullptr);
const Picture& Pic(glbMain::SpriteId id);

} // namespace draw
