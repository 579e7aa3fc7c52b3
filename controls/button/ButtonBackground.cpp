// The background of a Button face: the eight background modes and the own gradients of
// styles 5 to 8.
#include "controls/button/ButtonPainter.h"

#include "controls/button/ButtonPaintRules.h"

#include "controls/button/SystemColors.h"

#include "platform/forms/UserControl.h"
#include "platform/gdi/Gradient.h"
#include "platform/gdi/Surface.h"

namespace dorvak {

namespace {

// A gradient corner; the colour is translated as the classic call leaves it: a colour that
// does not translate is split as it stands.
TRIVERTEX vertex(double x, double y, OleColor color) {
    OleColor plain = color;
    OleTranslateColor(color, nullptr, &plain);
    TRIVERTEX v;
    v.x = toPixel(x);
    v.y = toPixel(y);
    v.Red = std::uint16_t((plain & 0xFF) * 256);
    v.Green = std::uint16_t((plain >> 8 & 0xFF) * 256);
    v.Blue = std::uint16_t((plain >> 16 & 0xFF) * 256);
    return v;
}

} // namespace

void ButtonPainter::gradient(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1,
                             std::uint32_t mode) {
    const TRIVERTEX vertices[2] = {vertex(x0, y0, c0), vertex(x1, y1, c1)};
    const GRADIENT_RECT mesh{0, 1};
    GradientFill(hdc_, vertices, 2, &mesh, 1, mode);
}

void ButtonPainter::fillBackground() {
    const OleColor c0 = button_.BackColor;
    const OleColor c1 =
        byState(button_.BackColorPressed, button_.BackColorHover, button_.BackColorPressed);
    // Each corner is rounded to the pixel as it becomes a vertex.
    constexpr auto across = GRADIENT_FILL_RECT_H;
    constexpr auto down = GRADIENT_FILL_RECT_V;

    const std::int32_t mode = button_.ButtonStyleColors;
    if (mode == 0)
        surface_.setBackStyle(Surface::Transparent);
    else if (mode >= 1 && mode <= 7)
        surface_.setBackStyle(Surface::Opaque);

    switch (mode) {
    case 1:
        surface_.setBackColor(
            byState(button_.BackColorPressed, button_.BackColorHover, button_.BackColor));
        break;
    case 2:
        gradient(0, SH, c0, SW, 0, c1, across);
        break;
    case 3:
        gradient(0, SH, c0, SW, 0, c1, down);
        break;
    case 4: // c0 at top and bottom, c1 along the middle
        gradient(SW, 0, c0, 0, SH / 2, c1, down);
        gradient(0, SH, c0, SW, SH / 2, c1, down);
        break;
    case 5: // c0 along the middle, c1 at top and bottom
        gradient(0, SH / 2, c0, SW, 0, c1, down);
        gradient(0, SH / 2, c0, SW, SH, c1, down);
        break;
    case 6: // c0 at both sides, c1 down the centre
        gradient(0, 0, c0, SW / 2, SH, c1, across);
        gradient(SW, SH, c0, SW / 2, 0, c1, across);
        break;
    case 7: // c0 down the centre, c1 at both sides
        gradient(SW / 2, 0, c0, 0, SH, c1, across);
        gradient(SW / 2, SH, c0, SW, 0, c1, across);
        break;
    default:
        break;
    }
}

void ButtonPainter::drawOwnGradient() {
    struct Pair {
        OleColor c0, c1;
    };
    const bool pressed = button_.IsPressed, hovered = button_.mouseOver(), disabled = !enabled();
    Pair colors{};
    switch (button_.ButtonStyle) {
    case 5:
        colors = pressed   ? Pair{0xA57F71, button_.BackColorPressed}
                 : hovered ? Pair{0xAC9891, button_.BackColorHover}
                           : Pair{button_.BackColor, button_.BackColor};
        break;
    case 6: // hovering looks like rest
        colors = pressed    ? Pair{button_.BackColor, 0xE0E6E6}
                 : disabled ? Pair{0xDBE7E7, 0xDBE7E7}
                            : Pair{button_.BackColor, button_.BackColorPressed};
        break;
    case 7:
        colors = pressed    ? Pair{button_.BackColorPressed, 0xF8ECD5}
                 : hovered  ? Pair{button_.BackColorHover, 0xFEFCF7}
                 : disabled ? Pair{0xF0F0F0, 0xF4F4F4}
                            : Pair{button_.BackColor, 0xEFEFEF};
        break;
    case 8:
        colors = pressed    ? Pair{button_.BackColorPressed, 0xFFFFFF}
                 : hovered  ? Pair{button_.BackColorHover, 0xFFFFFF}
                 : disabled ? Pair{0xA4B6B7, 0xFFFFFF}
                            : Pair{button_.BackColor, 0xFFFFFF};
        break;
    }

    const auto [c0, c1] = colors;
    constexpr auto across = GRADIENT_FILL_RECT_H;
    constexpr auto down = GRADIENT_FILL_RECT_V;
    switch (button_.ButtonStyle) {
    case 5:
    case 6:
        gradient(0, SH, c0, SW, 0, c1, down);
        break;
    case 7: // a light upper two thirds, and a lower half brightening past the far edge
        if (pointsUpOrDown(button_.ButtonShape)) {
            gradient(SW / 1.5, 0, c0, 0, SH, c1, across);
            gradient(SW / 2, SH, c0, SW + 25, 0, c1, across);
        } else {
            gradient(0, SH / 1.5, c0, SW, 0, c1, down);
            gradient(0, SH / 2, c0, SW, SH + 25, c1, down);
        }
        break;
    case 8:
        if (pointsUpOrDown(button_.ButtonShape)) {
            gradient(SW, 0, c0, -SW / 6, SH, c1, across);
            gradient(SW / 2, SH, c0, SW / 3 + SW, 0, c1, across);
        } else {
            gradient(0, SH, c0, SW, -SH / 6, c1, down);
            gradient(0, SH / 2, c0, SW, SH / 3 + SH, c1, down);
        }
        break;
    }
}

} // namespace dorvak
