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

} // namespace dorvak
