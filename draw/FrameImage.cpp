#include "draw/FrameImage.h"

#include <algorithm>

namespace draw {

void FrameImage::Clear(uint32_t color) { Pixels.fill(PixelFromColor(color)); }

void FrameImage::OrBlit(const Picture& source, int dx, int dy, int w, int h, int sx, int sy) {
    // Clip the source rectangle to the picture first: what lies outside it draws nothing.
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    w = std::min(w, source.Width - sx);
    h = std::min(h, source.Height - sy);
    // Then to the image.
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min(w, FieldWidth - dx);
    h = std::min(h, FieldHeight - dy);
    if (w <= 0 || h <= 0) return;
    for (int row = 0; row < h; ++row) {
        const uint32_t* from = &source.Pixels[static_cast<size_t>(sy + row) * source.Width + sx];
        uint32_t* to = &Pixels[static_cast<size_t>(dy + row) * FieldWidth + dx];
        for (int col = 0; col < w; ++col) to[col] |= from[col];
    }
}

void FrameImage::Plot(int x, int y, uint32_t color) {
    if (x < 0 || y < 0 || x >= FieldWidth || y >= FieldHeight) return;
    Pixels[static_cast<size_t>(y) * FieldWidth + x] = PixelFromColor(color);
}

} // namespace draw
