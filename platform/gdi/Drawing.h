#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/GdiTypes.h"

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

} // namespace dorvak
