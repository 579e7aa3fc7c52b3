#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/GdiTypes.h"

namespace dorvak {

// Two-colour gradient fills on a face of SW × SH pixels, c0 on the first corner and c1 on the
// second. Corners may be fractions of the size; each is rounded to the pixel as it becomes
// a vertex.
class GradientPainter {
public:
    GradientPainter(HDC hdc, double width, double height)
        : SW(width)
        , SH(height)
        , hdc_(hdc) {}

    // Colour changing left to right.
    void across(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1);
    // Colour changing top to bottom.
    void down(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1);

    const double SW;
    const double SH;

private:
    void fill(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1,
              std::uint32_t mode);

    HDC hdc_;
};

} // namespace dorvak
