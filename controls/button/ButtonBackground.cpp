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
    // An unknown mode leaves the back style as it was.
    if (mode >= BackTransparent && mode <= BackMirrorHInverse)
        surface_.setBackStyle(mode == BackTransparent ? Surface::Transparent : Surface::Opaque);
    switch (mode) {
    case BackTransparent:
        break;
    case BackSolid:
        surface_.setBackColor(
            byState(button_.BackColorPressed, button_.BackColorHover, button_.BackColor));
        break;
    case BackGradientH:
        g.across(0, SH, c0, SW, 0, c1);
        break;
    case BackGradientV:
        g.down(0, SH, c0, SW, 0, c1);
        break;
    case BackMirrorV: // c0 at top and bottom, c1 along the middle
        g.down(SW, 0, c0, 0, SH / 2, c1);
        g.down(0, SH, c0, SW, SH / 2, c1);
        break;
    case BackMirrorVInverse: // c0 along the middle, c1 at top and bottom
        g.down(0, SH / 2, c0, SW, 0, c1);
        g.down(0, SH / 2, c0, SW, SH, c1);
        break;
    case BackMirrorH: // c0 at both sides, c1 down the centre
        g.across(0, 0, c0, SW / 2, SH, c1);
        g.across(SW, SH, c0, SW / 2, 0, c1);
        break;
    case BackMirrorHInverse: // c0 down the centre, c1 at both sides
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
