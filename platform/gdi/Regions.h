#pragma once

#include "platform/gdi/GdiTypes.h"

namespace dorvak {

// Region objects: sets of pixels, left and top inclusive, right and bottom exclusive.
// Released with DeleteObject, unless SetWindowRgn took them over.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
// As GDI makes them, without the box's last column and row: the pixels on and inside
// RoundRect()'s outline for (left, top, right − 1, bottom − 1), corners in either order. A
// corner ellipse much narrower than it is tall loses the rows at its ends, as in GDI.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
// Pixel (x, y) when the point (x, y) lies inside the polygon under the fill mode (ALTERNATE
// or WINDING), a point on a left or top edge counting as inside. Fewer than three points
// give an empty region; 0 for no point list, a negative count or an unknown fill mode.
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);

// A region the code owns: deleted when the owner is done with it, unless it was handed on
// with release() (SetWindowRgn takes a region over, see WindowShape.h). Move-only, so that
// only one owner can delete it.
class OwnedRegion {
public:
    OwnedRegion() = default;
    explicit OwnedRegion(HRGN region)
        : region_(region) {}
    OwnedRegion(OwnedRegion&& other) noexcept
        : region_(other.release()) {}
    OwnedRegion& operator=(OwnedRegion&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~OwnedRegion() { reset(); }

    HRGN get() const { return region_; }
    explicit operator bool() const { return bool(region_); }
    // Gives up ownership without deleting; the handle is the new owner's.
    HRGN release() {
        const HRGN region = region_;
        region_ = 0;
        return region;
    }
    // Deletes the region held, if any, and holds `region` instead.
    void reset(HRGN region = 0);

private:
    HRGN region_ = 0;
};

} // namespace dorvak
