#include "platform/gdi/Raster.h"

#include <algorithm>
#include <cstdlib>

namespace dorvak {

Raster::Raster(QImage& image, std::uint32_t pixel)
    : bits_(reinterpret_cast<std::uint32_t*>(image.bits()))
    , stride_(image.bytesPerLine() / 4)
    , scale_(deviceScaleOf(image))
    , width_(image.width() / scale_)
    , height_(image.height() / scale_)
    , pixel_(pixel) {
    // The pen writes whole 32-bit pixels straight into the rows.
    Q_ASSERT(image.isNull() || image.depth() == 32);
    Q_ASSERT(image.bytesPerLine() % 4 == 0);
}

namespace {

// The classic device coordinate space; beyond it nothing is drawn, and within it the error
// terms below cannot overflow.
constexpr int coordinateLimit = 1 << 27;

bool drawable(QPoint p) {
    return p.x() > -coordinateLimit && p.x() < coordinateLimit && p.y() > -coordinateLimit &&
           p.y() < coordinateLimit;
}

} // namespace

void Raster::line(QPoint from, QPoint to) {
    if (from == to || !drawable(from) || !drawable(to))
        return;
    if (std::max(from.x(), to.x()) < 0 || std::min(from.x(), to.x()) >= width_ ||
        std::max(from.y(), to.y()) < 0 || std::min(from.y(), to.y()) >= height_)
        return;
    if (from.x() == to.x() || from.y() == to.y()) {
        span(from, to);
        return;
    }
    const bool inside = unsigned(from.x()) < unsigned(width_) &&
                        unsigned(from.y()) < unsigned(height_) &&
                        unsigned(to.x()) < unsigned(width_) && unsigned(to.y()) < unsigned(height_);
    // Unchecked writes step through device pixels, so only at 1×.
    if (inside && scale_ == 1)
        bresenham<false>(from, to);
    else
        bresenham<true>(from, to);
}

// Octants are numbered 1 to 8 clockwise from +x with y growing down. Octants 1, 4, 5 and 8
// step x every pixel; octants 3, 5, 6 and 8 break error ties towards the minor step, which
// makes a line and its reverse differ exactly as the classic rasteriser's do.
template <bool Clip> void Raster::bresenham(QPoint from, QPoint to) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    int octant;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;

    const int major = xMajor ? std::abs(dx) : std::abs(dy);
    const int minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int stepX = dx > 0 ? 1 : -1;
    const int stepY = dy > 0 ? 1 : -1;
    const qsizetype majorStep = xMajor ? stepX : stepY * stride_;
    const qsizetype minorStep = xMajor ? stepY * stride_ : stepX;
    const int majorDx = xMajor ? stepX : 0, majorDy = xMajor ? 0 : stepY;
    const int minorDx = xMajor ? 0 : stepX, minorDy = xMajor ? stepY : 0;

    int x = from.x(), y = from.y();
    qsizetype offset = qsizetype(y) * stride_ + x;
    int error = 2 * minor - major;
    for (int i = 0; i < major; ++i) {
        if constexpr (Clip) {
            plot(x, y);
        } else {
            // Unclipped only when both ends lie inside, so every pixel between does too.
            Q_ASSERT(unsigned(x) < unsigned(width_) && unsigned(y) < unsigned(height_));
            Q_ASSERT(offset == qsizetype(y) * stride_ + x);
            bits_[offset] = pixel_;
        }
        if (error + bias > 0) {
            offset += minorStep;
            x += minorDx;
            y += minorDy;
            error += 2 * minor - 2 * major;
        } else {
            error += 2 * minor;
        }
        offset += majorStep;
        x += majorDx;
        y += majorDy;
    }
}

void Raster::span(QPoint from, QPoint to) {
    if (from.y() == to.y()) {
        const int y = from.y();
        if (unsigned(y) >= unsigned(height_))
            return;
        // The end pixel is excluded whichever way the span runs.
        const int first = from.x() < to.x() ? from.x() : to.x() + 1;
        const int last = from.x() < to.x() ? to.x() - 1 : from.x();
        const int left = std::max(first, 0), right = std::min(last, width_ - 1);
        if (left <= right) {
            Q_ASSERT(left >= 0 && right < width_);
            fillRow(left, y, right - left + 1);
        }
        return;
    }
    const int x = from.x();
    if (unsigned(x) >= unsigned(width_))
        return;
    const int first = from.y() < to.y() ? from.y() : to.y() + 1;
    const int last = from.y() < to.y() ? to.y() - 1 : from.y();
    const int top = std::max(first, 0), bottom = std::min(last, height_ - 1);
    Q_ASSERT(top >= 0 && bottom < height_);
    for (int y = top; y <= bottom; ++y)
        setPixel(x, y);
}

void Raster::polyline(std::span<const QPoint> points, bool closed) {
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1], points[i]);
    if (closed && points.size() > 1)
        line(points.back(), points.front());
}

QRect boundingRect(std::span<const QPoint> points) {
    if (points.empty())
        return {};
    int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPoint& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace dorvak
