#include "game/FieldView.h"

#include <QPainter>
#include <algorithm>
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

// The changed pixels of one block row: per block, the box around them (empty when none).
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
    QRegion changed;
    // A run of changed blocks side by side becomes one rectangle, so that a sprite is a few
    // rectangles rather than one per block it touches.
    auto addRun = [&](const Band& band, int from, int to) {
        int x0 = FieldWidth, x1 = -1, y0 = FieldHeight, y1 = -1;
        for (int b = from; b < to; ++b) {
            x0 = std::min(x0, band.left[b]);
            x1 = std::max(x1, band.right[b]);
            y0 = std::min(y0, band.top[b]);
            y1 = std::max(y1, band.bottom[b]);
        }
        changed += QRectF(field.left() + x0 * scale, field.top() + y0 * scale, (x1 - x0 + 1) * scale,
                          (y1 - y0 + 1) * scale)
                       .toAlignedRect();
    };
    Band band;
    for (int by = 0; by < kBlocksDown; ++by) {
        band.Clear();
        for (int y = by * kBlock; y < (by + 1) * kBlock; ++y) {
            const uint32_t* now = &frame.Pixels[static_cast<size_t>(y) * FieldWidth];
            const uint32_t* was = &shown_[static_cast<size_t>(y) * FieldWidth];
            for (int b = 0; b < kBlocksAcross; ++b) {
                const int x = b * kBlock;
                if (std::memcmp(now + x, was + x, kBlock * sizeof *now) == 0) continue;
                int first = x, last = x + kBlock - 1;
                while (now[first] == was[first]) ++first;
                while (now[last] == was[last]) --last;
                band.Add(b, first, last, y);
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
    std::memcpy(shown_.data(), frame.Pixels.data(), sizeof shown_);
    return changed;
}

void FieldView::Paint(QPainter& painter, const QRegion& region, QSize size, qreal ratio) const {
    const QRectF field = Placement(size, ratio);
    const qreal w = size.width(), h = size.height();
    // Nearest-neighbour scaling: every game pixel is a crisp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One rectangle at a time: a plain rectangle keeps the painter on its fast scaling path,
    // which a many-sided clip would leave.
    for (const QRect& part : region) {
        painter.setClipRect(part);
        if (!field.contains(QRectF(part))) {
            // Black around the field (whole device pixels, as the field's edges are).
            painter.fillRect(QRectF(0, 0, w, field.top()), Qt::black);
            painter.fillRect(QRectF(0, field.bottom(), w, h - field.bottom()), Qt::black);
            painter.fillRect(QRectF(0, field.top(), field.left(), field.height()), Qt::black);
            painter.fillRect(QRectF(field.right(), field.top(), w - field.right(), field.height()), Qt::black);
        }
        painter.drawImage(field, image_);
    }
}

} // namespace glbMain
