#include "controls/button/GradientPainter.h"

#include "platform/gdi/Gradient.h"
#include "platform/runtime/IntegerConversion.h"

namespace dorvak {

namespace {

// A gradient corner; the colour is translated as the classic call leaves it: a colour that
// does not translate is split as it stands.
TRIVERTEX vertex(double x, double y, OleColor color) {
    OleColor plain = color;
    OleTranslateColor(color, nullptr, &plain);
    TRIVERTEX v;
    v.x = toInt32(x);
    v.y = toInt32(y);
    v.Red = std::uint16_t((plain & 0xFF) * 256);
    v.Green = std::uint16_t((plain >> 8 & 0xFF) * 256);
    v.Blue = std::uint16_t((plain >> 16 & 0xFF) * 256);
    return v;
}

} // namespace

void GradientPainter::across(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1) {
    fill(x0, y0, c0, x1, y1, c1, GRADIENT_FILL_RECT_H);
}

void GradientPainter::down(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1) {
    fill(x0, y0, c0, x1, y1, c1, GRADIENT_FILL_RECT_V);
}

void GradientPainter::fill(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1,
                           std::uint32_t mode) {
    const TRIVERTEX vertices[2] = {vertex(x0, y0, c0), vertex(x1, y1, c1)};
    const GRADIENT_RECT mesh{0, 1};
    GradientFill(hdc_, vertices, 2, &mesh, 1, mode);
}

} // namespace dorvak
