#include "controls/skin/EdgeGrips.h"

#include "platform/windowing/UserTypes.h"

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

QPointF snappedPointer(const EdgeGrips& grips, QRectF frame, QPointF at, QSizeF pixel) {
    // Both axes snap from the press itself, so the second edge of a corner keeps the first
    // one's snap.
    QPointF pointer = frame.topLeft() + at;
    if (grips.leftStartWidth != 0)
        pointer.setX(frame.left());
    if (grips.topStartHeight != 0)
        pointer.setY(frame.top());
    if (grips.right)
        pointer.setX(frame.right() - pixel.width());
    if (grips.bottom)
        pointer.setY(frame.bottom() - pixel.height());
    return pointer;
}

QRectF resizedFrame(const EdgeGrips& grips, QRectF frame, QPointF start, QPointF pointer,
                    QSizeF edgeZone, QSizeF pixel) {
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
    // The pointer stands on the last column or row, which the width or height includes.
    if (grips.right) {
        const double width = pointer.x() + pixel.width() - frame.left();
        if (width > minimumWidth)
            frame.setWidth(width);
    }
    if (grips.bottom) {
        const double height = pointer.y() + pixel.height() - frame.top();
        if (height > minimumHeight)
            frame.setHeight(height);
    }
    return frame;
}

std::uintptr_t sizingHitCode(const EdgeGrips& grips) {
    const bool left = grips.leftStartWidth != 0;
    const bool top = grips.topStartHeight != 0;
    if (top)
        return left ? HTTOPLEFT : grips.right ? HTTOPRIGHT : HTTOP;
    if (grips.bottom)
        return left ? HTBOTTOMLEFT : grips.right ? HTBOTTOMRIGHT : HTBOTTOM;
    return left ? HTLEFT : grips.right ? HTRIGHT : 0;
}

} // namespace dorvak
