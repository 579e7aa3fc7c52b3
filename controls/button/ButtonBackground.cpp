// The background of a Button face: the eight background modes and the style's own gradient.
#include "controls/button/ButtonPainter.h"

#include "controls/button/ButtonPaintRules.h"
#include "controls/button/GradientPainter.h"
#include "platform/gdi/Surface.h"

namespace dorvak {

void ButtonPainter::fillBackground() {
    const OleColor c0 = button_.BackColor;
    const OleColor c1 =
        byState(button_.BackColorPressed, button_.BackColorHover, button_.BackColorPressed);
    GradientPainter g(hdc_, SW, SH);

    using enum BackgroundMode;
    const BackgroundMode mode = button_.ButtonStyleColors;
    switch (mode) {
    case BackTransparent:
        surface_.setBackStyle(Surface::Transparent);
        break;
    case BackSolid:
        surface_.setBackStyle(Surface::Opaque);
        surface_.setBackColor(
            byState(button_.BackColorPressed, button_.BackColorHover, button_.BackColor));
        break;
    case BackGradientH:
        surface_.setBackStyle(Surface::Opaque);
        g.across(0, SH, c0, SW, 0, c1);
        break;
    case BackGradientV:
        surface_.setBackStyle(Surface::Opaque);
        g.down(0, SH, c0, SW, 0, c1);
        break;
    case BackMirrorV: // c0 at top and bottom, c1 along the middle
        surface_.setBackStyle(Surface::Opaque);
        g.down(SW, 0, c0, 0, SH / 2, c1);
        g.down(0, SH, c0, SW, SH / 2, c1);
        break;
    case BackMirrorVInverse: // c0 along the middle, c1 at top and bottom
        surface_.setBackStyle(Surface::Opaque);
        g.down(0, SH / 2, c0, SW, 0, c1);
        g.down(0, SH / 2, c0, SW, SH, c1);
        break;
    case BackMirrorH: // c0 at both sides, c1 down the centre
        surface_.setBackStyle(Surface::Opaque);
        g.across(0, 0, c0, SW / 2, SH, c1);
        g.across(SW, SH, c0, SW / 2, 0, c1);
        break;
    case BackMirrorHInverse: // c0 down the centre, c1 at both sides
        surface_.setBackStyle(Surface::Opaque);
        g.across(SW / 2, 0, c0, 0, SH, c1);
        g.across(SW / 2, SH, c0, SW, 0, c1);
        break;
    }
}

void ButtonPainter::drawOwnGradient() {
    const auto [c0, c1] = chooseGradientColors(*style_.gradient, button_, enabled_).colors;
    GradientPainter g(hdc_, SW, SH);
    style_.gradient->draw(g, c0.of(button_), c1.of(button_), pointsUpOrDown(button_.ButtonShape));
}

} // namespace dorvak
