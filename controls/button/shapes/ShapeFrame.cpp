#include "controls/button/shapes/ShapeFrame.h"

#include "controls/button/ButtonPaintRules.h"

namespace dorvak {

namespace {

void drawStyleEdges(const ShapeGeometry& shape, ShapeCanvas& c) {
    const ShapeState& state = c.state();
    const double W = c.width(), H = c.height();
    switch (state.buttonStyle) {
    case 1:
        (state.pressed ? shape.sunken : shape.raised)(c, W, H);
        break;
    case 2:
    case 3:
        if (state.pressed) {
            c.pen(darkShadow3D);
            shape.upperEdgePressed(c, W, H);
        } else if (state.buttonStyle == 2 || state.mouseOver) {
            c.pen(buttonHighlight);
            shape.upperEdgeRaised(c, W, H);
        }
        break;
    case 4:
        if (state.enabled)
            shape.engraved(c, W, H);
        break;
    case 6:
        if (state.pressed) {
            c.pen(buttonHighlight);
            shape.glowPressed(c, W, H);
        } else if (state.mouseOver) {
            shape.glowEdges(c, W, H, hoverEdges);
        } else if (state.focused) {
            shape.glowEdges(c, W, H, focusEdges);
        }
        break;
    case 7:
        c.pen(state.pressed ? style7Pressed : style7Normal);
        shape.innerOutline(c, W, H);
        if (!state.pressed && state.focused) {
            c.pen(style7Focus);
            shape.innerOutline(c, W, H);
        }
        break;
    default: // 0, 5, 8 and anything else draw no edges
        break;
    }
}

bool marksFocusWithOutline(const ShapeState& state) {
    return state.focused && !marksFocusInOwnEdges(state.buttonStyle);
}

} // namespace

void drawShape(const ShapeGeometry& shape, ShapeCanvas& c) {
    const double W = c.width(), H = c.height();
    shape.outline(c, W, H);
    c.applyWindowRegion(shape.region ? shape.region(c, W, H) : OwnedRegion());
    drawStyleEdges(shape, c);
    if (marksFocusWithOutline(c.state())) {
        c.pen(focusOutlineGrey);
        shape.focusOutline(c, W, H);
    }
}

} // namespace dorvak
