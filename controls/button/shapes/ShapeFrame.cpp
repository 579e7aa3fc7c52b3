#include "controls/button/shapes/ShapeFrame.h"

#include "controls/button/ButtonStyles.h"

namespace dorvak {

namespace {

void drawUpperEdge(const ShapeGeometry& shape, ShapeCanvas& c, bool lit) {
    const double W = c.width(), H = c.height();
    if (c.state().pressed) {
        c.pen(darkShadow3D);
        shape.upperEdgePressed(c, W, H);
    } else if (lit) {
        c.pen(buttonHighlight);
        shape.upperEdgeRaised(c, W, H);
    }
}

} // namespace

void drawRaisedEdges(const ShapeGeometry& shape, ShapeCanvas& c) {
    (c.state().pressed ? shape.sunken : shape.raised)(c, c.width(), c.height());
}

void drawLitUpperEdge(const ShapeGeometry& shape, ShapeCanvas& c) {
    drawUpperEdge(shape, c, true);
}

void drawHoverUpperEdge(const ShapeGeometry& shape, ShapeCanvas& c) {
    drawUpperEdge(shape, c, c.state().mouseOver);
}

void drawEngravedEdges(const ShapeGeometry& shape, ShapeCanvas& c) {
    if (c.state().enabled)
        shape.engraved(c, c.width(), c.height());
}

void drawGlowEdges(const ShapeGeometry& shape, ShapeCanvas& c) {
    const ShapeState& state = c.state();
    const double W = c.width(), H = c.height();
    if (state.pressed) {
        c.pen(buttonHighlight);
        shape.glowPressed(c, W, H);
    } else if (state.mouseOver) {
        shape.glowEdges(c, W, H, hoverEdges);
    } else if (state.focused) {
        shape.glowEdges(c, W, H, focusEdges);
    }
}

void drawInnerOutline(const ShapeGeometry& shape, ShapeCanvas& c) {
    const ShapeState& state = c.state();
    const double W = c.width(), H = c.height();
    c.pen(state.pressed ? style7Pressed : style7Normal);
    shape.innerOutline(c, W, H);
    if (!state.pressed && state.focused) {
        c.pen(style7Focus);
        shape.innerOutline(c, W, H);
    }
}

void drawShape(const ShapeGeometry& shape, ShapeCanvas& c) {
    const double W = c.width(), H = c.height();
    const StyleTraits& style = styleTraits(c.state().buttonStyle);
    shape.outline(c, W, H);
    c.setWindowRegion(shape.region ? shape.region(c, W, H) : OwnedRegion());
    if (style.edges)
        style.edges(shape, c);
    if (c.state().focused && !style.marksFocusInOwnEdges) {
        c.pen(focusOutlineGrey);
        shape.focusOutline(c, W, H);
    }
}

} // namespace dorvak
