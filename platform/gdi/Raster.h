#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

namespace dorvak {

// Sets count pixels from `to` on, two at a time: spans and gradient rows are the bulk of
// what a repaint writes.
inline void fillPixels(std::uint32_t* to, qsizetype count, std::uint32_t pixel) {
    Q_ASSERT(count >= 0);
    const std::uint64_t pair = std::uint64_t(pixel) << 32 | pixel;
    qsizetype i = 0;
    for (; i + 4 <= count; i += 4) {
        std::memcpy(to + i, &pair, sizeof pair);
        std::memcpy(to + i + 2, &pair, sizeof pair);
    }
    for (; i < count; ++i)
        to[i] = pixel;
}

// Sets `rows` rows of count pixels from `to` on, `stride` pixels apart: what one logical pixel
// or span is on an image above 1×.
inline void fillRows(std::uint32_t* to, qsizetype stride, qsizetype count, int rows,
                     std::uint32_t pixel) {
    for (int row = 0; row < rows; ++row)
        fillPixels(to + row * stride, count, pixel);
}

// Sets the scale × scale block of device pixels from `corner` on: one logical pixel.
inline void fillBlock(std::uint32_t* corner, qsizetype stride, int scale, std::uint32_t pixel) {
    if (scale == 1)
        *corner = pixel;
    else
        fillRows(corner, stride, scale, scale, pixel);
}

// The whole device scale of a surface image: each of its logical pixels a scale × scale block.
inline int deviceScaleOf(const QImage& image) {
    return std::max(1, int(image.devicePixelRatio()));
}

// One-pixel solid pen writing straight into the scanlines of a 32-bit image. Pixels
// outside the image are dropped. Coordinates are logical: on an image of device pixel ratio
// k each pixel is a k × k block.
class Raster {
public:
    Raster(QImage& image, std::uint32_t pixel);

    void plot(int x, int y) {
        if (unsigned(x) < unsigned(width_) && unsigned(y) < unsigned(height_))
            setPixel(x, y);
    }

    // Integer Bresenham from `from` to `to`, the end pixel left unpainted.
    void line(QPoint from, QPoint to);

    // Each segment as line(); a closed path also joins the last point to the first.
    void polyline(std::span<const QPoint> points, bool closed);

private:
    template <bool Clip> void bresenham(QPoint from, QPoint to);
    void span(QPoint from, QPoint to);
    // (x, y) lies inside.
    void setPixel(int x, int y) {
        fillBlock(bits_ + qsizetype(y) * scale_ * stride_ + qsizetype(x) * scale_, stride_, scale_,
                  pixel_);
    }
    // `count` pixels from (left, y) on, all inside.
    void fillRow(int left, int y, int count) {
        fillRows(bits_ + qsizetype(y) * scale_ * stride_ + left * scale_, stride_,
                 qsizetype(count) * scale_, scale_, pixel_);
    }

    std::uint32_t* bits_;
    qsizetype stride_;
    int scale_;
    int width_; // logical
    int height_;
    std::uint32_t pixel_;
};

// The pixels a line() or polyline() can touch, for change tracking.
QRect boundingRect(std::span<const QPoint> points);

} // namespace dorvak
