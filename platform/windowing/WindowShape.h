#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Regions.h"
#include "platform/windowing/UserTypes.h"

namespace dorvak {

// Makes the region the widget's shape (its mask: painting and hit-testing) and takes the
// region over, so a later DeleteObject on it fails harmlessly; region 0 removes the shape.
// Returns 0 for an unknown window or region handle, leaving the shape alone.
int SetWindowRgn(HWND hWnd, HRGN region, bool redraw);
// The same with a region the caller owns: on success the window owns it, on failure it is
// deleted with the argument.
int SetWindowRgn(HWND hWnd, OwnedRegion region, bool redraw);

} // namespace dorvak
