#include "platform/gdi/Gradient.h"

#include "platform/gdi/Raster.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace dorvak {

namespace {

// The colour at `position` of `length` steps from vertex `from` to vertex `to`: each
// channel the weighted mean of the two, rounded down, whichever of them is larger.
std::uint32_t blend(const TRIVERTEX& from, const TRIVERTEX& to, std::int64_t position,
                    std::int64_t length) {
    const auto channel = [&](std::int64_t a, std::int64_t b) {
        return std::uint32_t((a * (length - position) + b * position) / length >> 8);
    };
    return 0xFF000000u | channel(from.Red, to.Red) << 16 | channel(from.Green, to.Green) << 8 |
           channel(from.Blue, to.Blue);
}

// Right and bottom exclusive, corners in either order.
QRect spannedRect(const TRIVERTEX& a, const TRIVERTEX& b) {
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                 QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1));
}

// Each logical pixel of the rectangle a scale × scale block of the image.
void fillRect(QImage& image, TRIVERTEX first, TRIVERTEX second, bool horizontal) {
    // Order the vertices along the blend so that `first` is the near edge.
    if (horizontal ? first.x > second.x : first.y > second.y)
        std::swap(first, second);
    const int scale = deviceScaleOf(image);
    const QRect logical(0, 0, image.width() / scale, image.height() / scale);
    const QRect clipped = spannedRect(first, second) & logical;
    if (clipped.isEmpty())
        return;
    // Rows are written as whole 32-bit pixels within the clipped rectangle.
    Q_ASSERT(image.depth() == 32 && logical.contains(clipped));

    auto* bits = reinterpret_cast<std::uint32_t*>(image.bits()) + clipped.left() * scale;
    const qsizetype stride = image.bytesPerLine() / 4;
    const int rowWidth = clipped.width() * scale;
    // The first of the scale device rows of logical row y.
    const auto deviceRow = [&](int y) { return bits + qsizetype(y) * scale * stride; };
    if (horizontal) {
        const std::int64_t length = second.x - first.x;
        std::vector<std::uint32_t> row(static_cast<std::size_t>(rowWidth));
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            std::fill_n(row.begin() + (x - clipped.left()) * scale, scale,
                        blend(first, second, x - first.x, length));
        for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
            for (int i = 0; i < scale; ++i)
                std::copy(row.begin(), row.end(), deviceRow(y) + i * stride);
        }
    } else {
        const std::int64_t length = second.y - first.y;
        for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
            fillRows(deviceRow(y), stride, rowWidth, scale,
                     blend(first, second, y - first.y, length));
        }
    }
}

} // namespace

bool GradientFill(HDC hdc, const TRIVERTEX* vertices, std::uint32_t vertexCount,
                  const GRADIENT_RECT* mesh, std::uint32_t meshCount, std::uint32_t mode) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface || !vertices || !mesh ||
        (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V))
        return false;
    for (std::uint32_t i = 0; i < meshCount; ++i) {
        if (mesh[i].UpperLeft >= vertexCount || mesh[i].LowerRight >= vertexCount)
            return false;
        const TRIVERTEX& first = vertices[mesh[i].UpperLeft];
        const TRIVERTEX& second = vertices[mesh[i].LowerRight];
        fillRect(surface->image(), first, second, mode == GRADIENT_FILL_RECT_H);
        surface->markChanged(spannedRect(first, second));
    }
    return true;
}

} // namespace dorvak
