#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/windowing/UserTypes.h"

#include <QRegion>
#include <optional>

class QWidget;

namespace dorvak {

// A widget's shape is its window region (SetWindowRgn) intersected with the pixels its
// surface shows (setVisibleArea); it limits both painting and hit-testing.

// Takes the region over (a later DeleteObject on it fails harmlessly); region 0 removes the
// window region. Returns 0 for an unknown window or region handle, leaving the shape alone.
int SetWindowRgn(HWND hWnd, HRGN region, bool redraw);

// For the widget that shows a surface: the surface's visible pixels, or none for all.
void setVisibleArea(QWidget* widget, const std::optional<QRegion>& visible);

} // namespace dorvak
