#include "platform/gdi/Drawing.h"

#include "platform/gdi/EllipsePath.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Surface.h"

#include <type_traits>
#include <vector>

namespace dorvak {

namespace {

bool drawPath(HDC hdc, const std::vector<QPoint>& path, bool closed) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface)
        return false;
    Raster(surface->image(), surface->penPixel()).polyline(path, closed);
    surface->markChanged(boundingRect(path));
    return true;
}

} // namespace

bool MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface)
        return false;
    if (previous)
        *previous = {surface->penPosition().x(), surface->penPosition().y()};
    surface->setPenPosition(QPoint(x, y));
    return true;
}

bool LineTo(HDC hdc, int x, int y) {
    Surface* surface = surfaceFromHdc(hdc);
    if (!surface)
        return false;
    const QPoint ends[] = {surface->penPosition(), QPoint(x, y)};
    Raster(surface->image(), surface->penPixel()).line(ends[0], ends[1]);
    surface->markChanged(boundingRect(ends));
    surface->setPenPosition(ends[1]);
    return true;
}

bool Polygon(HDC hdc, const POINT* points, int count) {
    if (!points || count < 2)
        return false;
    std::vector<QPoint> path;
    path.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        path.emplace_back(points[i].x, points[i].y);
    return drawPath(hdc, path, true);
}

bool RoundRect(HDC hdc, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight) {
    return drawPath(hdc, roundRectPath(left, top, right, bottom, cornerWidth, cornerHeight), true);
}

bool Arc(HDC hdc, int left, int top, int right, int bottom, int startX, int startY, int endX,
         int endY) {
    return drawPath(hdc, arcPath(left, top, right, bottom, startX, startY, endX, endY), false);
}

OleColor SetPixel(HDC hdc, int x, int y, OleColor color) {
    Surface* surface = surfaceFromHdc(hdc);
    const std::optional<OleColor> plain = plainColor(color);
    if (!surface || !plain || !surface->rect().contains(x, y))
        return invalidColor;
    Raster(surface->image(), pixelFromPlain(*plain)).plot(x, y);
    surface->markChanged(QRect(x, y, 1, 1));
    return *plain;
}

OleColor GetPixel(HDC hdc, int x, int y) {
    const Surface* surface = surfaceFromHdc(hdc);
    if (!surface || !surface->rect().contains(x, y))
        return invalidColor;
    // Above 1×, the top-left device pixel of the block.
    const int scale = surface->deviceScale();
    return plainFromPixel(reinterpret_cast<const std::uint32_t*>(
        surface->image().constScanLine(y * scale))[x * scale]);
}

SurfacePixels::SurfacePixels(HDC hdc)
    : surface_(surfaceFromHdc(hdc)) {
    if (!surface_ || surface_->image().isNull())
        return;
    QImage& image = surface_->image();
    Q_ASSERT(image.depth() == 32);
    bits_ = reinterpret_cast<std::uint32_t*>(image.bits());
    stride_ = image.bytesPerLine() / 4;
    scale_ = surface_->deviceScale();
    width_ = surface_->width();
    height_ = surface_->height();
}

void SurfacePixels::replace(const QRect& area, int stepX, int stepY, OleColor from, OleColor to) {
    const std::optional<OleColor> plainTo = plainColor(to);
    // No pixel holds a colour that is not plain; outside the image nothing is set.
    if (!plainTo || from > 0xFFFFFFu || stepX < 1 || stepY < 1)
        return;
    // The first points of the lattice inside the image.
    const auto firstInside = [](int first, int step) {
        return first >= 0 ? first : first + (-first + step - 1) / step * step;
    };
    const int left = firstInside(area.left(), stepX), top = firstInside(area.top(), stepY);
    const int right = std::min(area.right(), width_ - 1);
    const int bottom = std::min(area.bottom(), height_ - 1);
    constexpr std::uint32_t rgbBits = 0x00FFFFFF;
    const std::uint32_t match = pixelFromPlain(from) & rgbBits, pixel = pixelFromPlain(*plainTo);
    Q_ASSERT(left >= 0 && top >= 0);
    // Compiled apart for 1×, where the scan of single pixels is the hot loop of a repaint.
    const auto scan = [&](auto scale) {
        for (int y = top; y <= bottom; y += stepY) {
            std::uint32_t* row = bits_ + qsizetype(y) * scale * stride_;
            for (int x = left; x <= right; x += stepX) {
                Q_ASSERT(inside(x, y));
                std::uint32_t* corner = row + qsizetype(x) * scale;
                if ((*corner & rgbBits) != match)
                    continue;
                fillBlock(corner, stride_, scale, pixel);
                written(x, y);
            }
        }
    };
    if (scale_ == 1)
        scan(std::integral_constant<int, 1>());
    else
        scan(scale_);
}

SurfacePixels::~SurfacePixels() {
    if (surface_ && left_ <= right_)
        surface_->markChanged(QRect(QPoint(left_, top_), QPoint(right_, bottom_)));
}

} // namespace dorvak
