#pragma once
// The frame image every frame is composed in: 320 x 240 pixels, 0xffRRGGBB, drawn with OR
// transfers like the rest of the program's pictures.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/Field.h"

namespace draw {

using glbMain::FieldHeight;
using glbMain::FieldWidth;

// A sprite picture's pixels, 0xffRRGGBB, row by row.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
};

// Colour values of the rest of the program are 0x00BBGGRR (255 is red); pixels are 0xffRRGGBB.
constexpr uint32_t PixelFromColor(uint32_t color) {
    return 0xff000000u | ((color & 0xffu) << 16) | (color & 0xff00u) | ((color >> 16) & 0xffu);
}

struct FrameImage {
    std::array<uint32_t, FieldWidth * FieldHeight> Pixels{};

    void Clear(uint32_t color);
    // dest |= source over a w x h block, clipped to the image and to the picture.
    void OrBlit(const Picture& source, int dx, int dy, int w, int h, int sx = 0, int sy = 0);
    // Replaces one pixel; points outside the image are ignored.
    void Plot(int x, int y, uint32_t color);
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * FieldWidth + x]; }
};

} // namespace draw
