#pragma once
// Plain value types and the two rounding helpers every rule uses.
#include <cmath>
#include <cstdint>

namespace platform {

// Truth values are 16-bit integers: -1 true, 0 false; any non-zero value counts as set.
constexpr int16_t True = -1;
constexpr int16_t False = 0;

// "Int": the largest integer not above v.
inline int32_t Int(double v) { return static_cast<int32_t>(std::floor(v)); }

// Every other float-to-integer conversion rounds to nearest, an exact half to the even neighbour.
inline int32_t CInt(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

// Sprite centres: X + W/2 and Y + H/2 rounded half to even.
inline int16_t CentreOf(int16_t pos, int16_t size) { return static_cast<int16_t>(CInt(pos + size / 2.0)); }

// Overlap of two rectangles, every comparison strict: touching edges do not overlap.
inline bool Overlaps(int ax, int ay, int aw, int ah, int bx, int by, int bw, int bh) {
    return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
}

} // namespace platform
