#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Raster.h"

#include <QRect>
#include <QtGlobal>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

namespace dorvak {

// One-pixel outlines in the surface's fore colour, with the classic rasteriser's exact
// pixels. Each returns false for a stale or unknown device context.

bool MoveToEx(HDC hdc, int x, int y, POINT* previous);
// From the current position to (x, y), which is left unpainted and becomes current.
bool LineTo(HDC hdc, int x, int y);
// The closed outline through the points; hollow.
bool Polygon(HDC hdc, const POINT* points, int count);
bool RoundRect(HDC hdc, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight);
bool Arc(HDC hdc, int left, int top, int right, int bottom, int startX, int startY, int endX,
         int endY);

// The plain colour set, or invalidColor when (x, y) is outside or the colour is invalid.
OleColor SetPixel(HDC hdc, int x, int y, OleColor color);
// The plain colour at (x, y), or invalidColor outside the image.
OleColor GetPixel(HDC hdc, int x, int y);

class Surface;

// GetPixel and SetPixel for a pass over many pixels of one surface, with the same results
// and the device context looked up once instead of once per pixel. Nothing else draws on
// the surface while it lives; what it wrote is reported changed when it ends. Coordinates are
// logical: above 1× a get reads the top-left device pixel of the pixel's block, a set fills
// the block.
class SurfacePixels {
public:
    explicit SurfacePixels(HDC hdc);
    ~SurfacePixels();
    SurfacePixels(const SurfacePixels&) = delete;
    SurfacePixels& operator=(const SurfacePixels&) = delete;

    OleColor get(int x, int y) const {
        return inside(x, y) ? plainFromPixel(*block(x, y)) : invalidColor;
    }
    // get(x, y) == color, without converting the pixel: what a scan for one colour asks.
    bool matches(int x, int y, OleColor color) const {
        constexpr std::uint32_t rgbBits = 0x00FFFFFF;
        if (!inside(x, y))
            return color == invalidColor;
        return color <= rgbBits && (*block(x, y) & rgbBits) == (pixelFromPlain(color) & rgbBits);
    }
    OleColor set(int x, int y, OleColor color) {
        const std::optional<OleColor> plain = plainColor(color);
        if (!plain || !inside(x, y))
            return invalidColor;
        fillBlock(block(x, y), stride_, scale_, pixelFromPlain(*plain));
        written(x, y);
        return *plain;
    }
    // For the points of the area from its top-left corner on, stepX and stepY apart:
    // set(x, y, to) where get(x, y) == from.
    void replace(const QRect& area, int stepX, int stepY, OleColor from, OleColor to);

    // Each device pixel of the area's pixels inside the surface (ends included) becomes
    // recolour(its colour, x, y), (x, y) the logical pixel, where that gives a colour. At 1×
    // the same as get and set over the area; above 1× a recolouring of the text or picture
    // drawn there that keeps its device pixels.
    template <typename Recolour> void recolour(const QRect& area, Recolour recolour) {
        const QRect clipped = area & QRect(0, 0, width_, height_);
        for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
            for (int x = clipped.left(); x <= clipped.right(); ++x) {
                std::uint32_t* corner = block(x, y);
                for (int row = 0; row < scale_; ++row) {
                    for (int column = 0; column < scale_; ++column) {
                        std::uint32_t& pixel = corner[row * stride_ + column];
                        if (const std::optional<OleColor> to =
                                recolour(plainFromPixel(pixel), x, y)) {
                            pixel = pixelFromPlain(*to);
                            written(x, y);
                        }
                    }
                }
            }
        }
    }

private:
    std::uint32_t* block(int x, int y) const {
        return bits_ + qsizetype(y) * scale_ * stride_ + qsizetype(x) * scale_;
    }
    bool inside(int x, int y) const {
        return unsigned(x) < unsigned(width_) && unsigned(y) < unsigned(height_);
    }
    void written(int x, int y) {
        left_ = std::min(left_, x);
        right_ = std::max(right_, x);
        top_ = std::min(top_, y);
        bottom_ = std::max(bottom_, y);
    }

    Surface* surface_;
    std::uint32_t* bits_ = nullptr;
    qsizetype stride_ = 0;
    int scale_ = 1;
    int width_ = 0; // logical
    int height_ = 0;
    int left_ = INT_MAX, right_ = INT_MIN, top_ = INT_MAX, bottom_ = INT_MIN;
};

} // namespace dorvak
