#pragma once

#include "platform/gdi/GdiTypes.h"

namespace dorvak {

// Region objects: sets of pixels, left and top inclusive, right and bottom exclusive.
// Released with DeleteObject, unless SetWindowRgn took them over.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
// The pixels on and inside RoundRect()'s outline for the same arguments.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
// Pixels whose centres lie inside the polygon under the fill mode (ALTERNATE or WINDING).
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);

} // namespace dorvak
