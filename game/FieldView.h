#pragma once
// The field as the game window shows it: the last frame presented, scaled by the largest
// whole number that fits and centred on black. On a large field a new frame repaints only the
// blocks that changed, so a full screen costs what moves on it rather than its size; a small
// one is repainted whole, which costs less there.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <array>
#include <cstdint>

#include "draw/FrameImage.h"

class QPainter;

namespace glbMain {

class FieldView {
public:
    FieldView();
    FieldView(const FieldView&) = delete;  // the image points into this one's pixels
    FieldView& operator=(const FieldView&) = delete;

    // Where the field goes in a window of this size (device-independent pixels) and device
    // pixel ratio: each game pixel a whole square of device pixels.
    static QRectF Placement(QSize size, qreal ratio);
    // Keeps the frame as the one shown and tells the parts of such a window that now differ
    // from what it showed, in its own pixels.
    QRegion Take(const draw::FrameImage& frame, QSize size, qreal ratio);
    // Paints the region of such a window from the frame last taken.
    void Paint(QPainter& painter, const QRegion& region, QSize size, qreal ratio) const;

private:
    std::array<uint32_t, draw::FieldWidth * draw::FieldHeight> shown_;
    QImage image_;  // shown_'s pixels
};

} // namespace glbMain
