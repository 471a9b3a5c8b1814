#include "game/FieldView.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace glbMain {

namespace {

using draw::FieldHeight;
using draw::FieldWidth;

// Changes are gathered per block of game pixels, each block giving the box of its changed
// pixels: a star that moves costs its two pixels, not a whole block.
constexpr int kBlock = 8;
constexpr int kBlocksAcross = FieldWidth / kBlock;
constexpr int kBlocksDown = FieldHeight / kBlock;
static_assert(FieldWidth % kBlock == 0 && FieldHeight % kBlock == 0);
// What one more rectangle in a repaint costs, in pixels of the same cost (Qt's painting and
// flushing, the X server's request): measured on Xvfb, where a 1x frame's sixty-odd
// rectangles cost more than its 76,800 pixels.
constexpr double kRectPixels = 4000;

// The changed pixels of one row of blocks: per block, the box around them (empty when
// right < left).
struct Band {
    std::array<int, kBlocksAcross> left, right, top, bottom;
    void Clear() {
        left.fill(FieldWidth);
        right.fill(-1);
        top.fill(FieldHeight);
        bottom.fill(-1);
    }
    void Add(int block, int x0, int x1, int y) {
        left[block] = std::min(left[block], x0);
        right[block] = std::max(right[block], x1);
        top[block] = std::min(top[block], y);
        bottom[block] = std::max(bottom[block], y);
    }
};

} // namespace

FieldView::FieldView()
    : image_(reinterpret_cast<const uchar*>(shown_.data()), FieldWidth, FieldHeight, QImage::Format_RGB32) {
    // Black until the first frame comes.
    shown_.fill(draw::PixelFromColor(0));
}

QRectF FieldView::Placement(QSize size, qreal ratio) {
    // Counted in device pixels, so that each game pixel is a whole block of them even where
    // the scale is no multiple of the desktop's.
    const QSize device = size * ratio;
    const int scale = std::max(1, std::min(device.width() / FieldWidth, device.height() / FieldHeight));
    const int width = FieldWidth * scale, height = FieldHeight * scale;
    return QRectF((device.width() - width) / 2 / ratio, (device.height() - height) / 2 / ratio, width / ratio,
                  height / ratio);
}

QRegion FieldView::Take(const draw::FrameImage& frame, QSize size, qreal ratio) {
    const QRectF field = Placement(size, ratio);
    const qreal scale = field.width() / FieldWidth;
    const double fieldPixels = field.width() * field.height() * ratio * ratio;
    // Up to twice the size a whole frame costs less than the dozens of rectangles of a
    // frame's changes and the comparing: it is painted whole, as ever. The copy is kept all the
    // same, as the game draws its next frame into the same pixels and the window may be
    // exposed before that one is presented.
    if (fieldPixels <= 4.0 * FieldWidth * FieldHeight) {
        shown_ = frame.Pixels;
        return field.toAlignedRect();
    }
    // A run of changed blocks side by side is one rectangle: a sprite is a few of them rather
    // than one per block it touches.
    std::array<QRect, kBlocksDown * kBlocksAcross / 2 + 1> runs;
    int count = 0;
    auto addRun = [&](const Band& band, int from, int to) {
        const int x0 = *std::min_element(&band.left[from], &band.left[to]);
        const int x1 = *std::max_element(&band.right[from], &band.right[to]);
        const int y0 = *std::min_element(&band.top[from], &band.top[to]);
        const int y1 = *std::max_element(&band.bottom[from], &band.bottom[to]);
        runs[count++] = QRectF(field.left() + x0 * scale, field.top() + y0 * scale, (x1 - x0 + 1) * scale,
                               (y1 - y0 + 1) * scale)
                            .toAlignedRect();
    };
    Band band;
    for (int by = 0; by < kBlocksDown; ++by) {
        band.Clear();
        for (int y = by * kBlock; y < (by + 1) * kBlock; ++y) {
            const uint32_t* now = &frame.Pixels[static_cast<size_t>(y) * FieldWidth];
            uint32_t* was = &shown_[static_cast<size_t>(y) * FieldWidth];
            if (std::memcmp(now, was, FieldWidth * sizeof *now) == 0) continue;
            for (int x = 0; x < FieldWidth; x += kBlock) {
                uint32_t differs = 0;
                for (int i = 0; i < kBlock; ++i) differs |= now[x + i] ^ was[x + i];
                if (!differs) continue;
                int first = x, last = x + kBlock - 1;
                while (now[first] == was[first]) ++first;
                while (now[last] == was[last]) --last;
                band.Add(x / kBlock, first, last, y);
                std::copy(now + x, now + x + kBlock, was + x);
            }
        }
        int run = -1;
        for (int b = 0; b <= kBlocksAcross; ++b) {
            const bool hit = b < kBlocksAcross && band.right[b] >= 0;
            if (hit && run < 0) run = b;
            if (!hit && run >= 0) {
                addRun(band, run, b);
                run = -1;
            }
        }
    }
    // Each rectangle costs the painter and the X server about what kRectPixels pixels do: a
    // frame that changes nearly everywhere (a flash) goes whole.
    if (count * kRectPixels >= fieldPixels) return field.toAlignedRect();
    QRegion changed;
    for (int r = 0; r < count; ++r) changed += runs[r];
    return changed;
}

void FieldView::Paint(QPainter& painter, const QRegion& region, QSize size, qreal ratio) const {
    const QRectF field = Placement(size, ratio);
    const qreal w = size.width(), h = size.height();
    // Nearest-neighbour scaling: every game pixel is a crisp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const qreal scale = field.width() / FieldWidth;
    // One rectangle at a time: a plain rectangle keeps the painter on its fast scaling path,
    // which a many-sided clip would leave; and each draws only the game pixels it shows, as
    // the painter's cost grows with the picture it is given, clipped or not.
    for (const QRect& part : region) {
        painter.setClipRect(part);
        if (!field.contains(QRectF(part))) {
            // Black around the field (whole device pixels, as the field's edges are).
            painter.fillRect(QRectF(0, 0, w, field.top()), Qt::black);
            painter.fillRect(QRectF(0, field.bottom(), w, h - field.bottom()), Qt::black);
            painter.fillRect(QRectF(0, field.top(), field.left(), field.height()), Qt::black);
            painter.fillRect(QRectF(field.right(), field.top(), w - field.right(), field.height()), Qt::black);
        }
        // The game pixels the part touches, whole ones (a hair's allowance for rounding).
        const QRectF inside = QRectF(part).intersected(field).translated(-field.topLeft());
        if (inside.isEmpty()) continue;
        const int x0 = static_cast<int>(std::floor(inside.left() / scale + 1e-6));
        const int y0 = static_cast<int>(std::floor(inside.top() / scale + 1e-6));
        const int x1 = std::min(FieldWidth, static_cast<int>(std::ceil(inside.right() / scale - 1e-6)));
        const int y1 = std::min(FieldHeight, static_cast<int>(std::ceil(inside.bottom() / scale - 1e-6)));
        painter.drawImage(QRectF(field.left() + x0 * scale, field.top() + y0 * scale, (x1 - x0) * scale,
                                 (y1 - y0) * scale),
                          image_, QRectF(x0, y0, x1 - x0, y1 - y0));
    }
}

} // namespace glbMain
