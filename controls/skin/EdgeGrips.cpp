#include "controls/skin/EdgeGrips.h"

namespace dorvak {

EdgeGrips gripsAt(QPointF at, QSizeF size, QSizeF edgeZone) {
    EdgeGrips grips;
    if (at.x() < edgeZone.width())
        grips.leftStartWidth = size.width();
    if (at.y() < edgeZone.height())
        grips.topStartHeight = size.height();
    grips.right = at.x() > size.width() - edgeZone.width();
    grips.bottom = at.y() > size.height() - edgeZone.height();
    return grips;
}

QPointF snappedPointer(const EdgeGrips& grips, QRectF frame, QPointF at) {
    // Each snap moves the pointer from where the previous one left it, in this order.
    QPointF pointer = frame.topLeft() + at;
    if (grips.leftStartWidth != 0)
        pointer = {frame.left(), frame.top() + at.y()};
    if (grips.topStartHeight != 0)
        pointer = {frame.left() + at.x(), frame.top()};
    if (grips.right)
        pointer = {frame.left() + frame.width(), frame.top() + at.y()};
    if (grips.bottom)
        pointer = {frame.left() + at.x(), frame.top() + frame.height()};
    return pointer;
}

QRectF resizedFrame(const EdgeGrips& grips, QRectF frame, QPointF start, QPointF pointer,
                    QSizeF edgeZone) {
    const double minimumWidth = 2 * edgeZone.width();
    const double minimumHeight = 2 * edgeZone.height();
    if (grips.leftStartWidth != 0) {
        const double width = grips.leftStartWidth + start.x() - pointer.x();
        if (width > minimumWidth)
            frame = QRectF(pointer.x(), frame.top(), width, frame.height());
    }
    if (grips.topStartHeight != 0) {
        const double height = grips.topStartHeight + start.y() - pointer.y();
        if (height > minimumHeight)
            frame = QRectF(frame.left(), pointer.y(), frame.width(), height);
    }
    if (grips.right) {
        const double width = pointer.x() - frame.left();
        if (width > minimumWidth)
            frame.setWidth(width);
    }
    if (grips.bottom) {
        const double height = pointer.y() - frame.top();
        if (height > minimumHeight)
            frame.setHeight(height);
    }
    return frame;
}

} // namespace dorvak
