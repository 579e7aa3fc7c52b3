#pragma once

#include <QPointF>
#include <QRectF>

namespace dorvak {

// The edges of the host a press grabbed, and the sizes they start from, in twips.
struct EdgeGrips {
    double leftStartWidth = 0; // non-zero: the left edge is gripped
    double topStartHeight = 0; // non-zero: the top edge is gripped
    bool right = false;
    bool bottom = false;

    bool any() const { return leftStartWidth != 0 || topStartHeight != 0 || right || bottom; }
};

// The grips of a press at `at`, relative to the host's outer top-left corner, on a host
// frame of `size`; within `edgeZone` of an edge grips it.
EdgeGrips gripsAt(QPointF at, QSizeF size, QSizeF edgeZone);

// Where the pointer goes so that it lies exactly on each gripped edge of `frame` (screen
// twips), for a press at `at` relative to the frame's top-left corner.
QPointF snappedPointer(const EdgeGrips& grips, QRectF frame, QPointF at);

// The host frame after the pointer moved from `start` to `pointer` (screen twips). An edge
// follows the pointer only while that keeps the frame more than twice the edge zone wide or
// tall; the opposite edge stays where it is.
QRectF resizedFrame(const EdgeGrips& grips, QRectF frame, QPointF start, QPointF pointer,
                    QSizeF edgeZone);

} // namespace dorvak
