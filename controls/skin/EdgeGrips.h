#pragma once

#include <QPointF>
#include <QRectF>
#include <cstdint>

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

// Where the pointer goes for a press at `at` relative to the top-left corner of `frame`
// (screen twips): onto the outermost pixel of each gripped edge, so that a gripped corner is
// under the pointer; `pixel` is the size of one pixel in twips.
QPointF snappedPointer(const EdgeGrips& grips, QRectF frame, QPointF at, QSizeF pixel);

// The host frame after the pointer moved from `start` to `pointer` (screen twips): each
// gripped edge keeps its outermost pixel under the pointer while that keeps the frame more
// than twice the edge zone wide or tall; the opposite edge stays where it is.
QRectF resizedFrame(const EdgeGrips& grips, QRectF frame, QPointF start, QPointF pointer,
                    QSizeF edgeZone, QSizeF pixel);

// The window system's sizing code (HTLEFT … HTBOTTOMRIGHT) for the gripped edges; 0 for none.
std::uintptr_t sizingHitCode(const EdgeGrips& grips);

} // namespace dorvak
