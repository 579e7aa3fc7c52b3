#pragma once

#include "controls/button/shapes/ShapeCanvas.h"
#include "controls/button/shapes/ShapeColors.h"

namespace dorvak {

// One shape's geometry, as plain drawing calls on the canvas with the button's size W × H in
// pixels. The frame chooses which of them run and, where the comment says so, the pen.
struct ShapeGeometry {
    using Stroke = void (*)(ShapeCanvas& c, double W, double H);
    using Edges = void (*)(ShapeCanvas& c, double W, double H, const EdgeColors& colors);
    using Region = OwnedRegion (*)(ShapeCanvas& c, double W, double H);

    // The window region; nullptr for a shape that leaves the window rectangular.
    Region region = nullptr;
    // In the border colour the paint pipeline has set.
    Stroke outline = nullptr;
    // Style 1, with its own pens.
    Stroke sunken = nullptr;
    Stroke raised = nullptr;
    // Styles 2 and 3: the upper and left edge, pressed (3-D dark shadow pen) and not pressed
    // (button highlight pen).
    Stroke upperEdgePressed = nullptr;
    Stroke upperEdgeRaised = nullptr;
    // Style 4 on an enabled button, with its own pens.
    Stroke engraved = nullptr;
    // Style 6: the pressed edge (button highlight pen), and the five edges of the hover or
    // focus look.
    Stroke glowPressed = nullptr;
    Edges glowEdges = nullptr;
    // Style 7: the inner outline, in the pen of the state.
    Stroke innerOutline = nullptr;
    // The grey inset outline of a focused button (focus outline grey pen).
    Stroke focusOutline = nullptr;
};

// The steps every renderer takes: outline, window region, the edges of the button style in
// the current state, and the focus outline.
void drawShape(const ShapeGeometry& geometry, ShapeCanvas& canvas);

// The edge painters the button styles name, each drawing one style's edges in the state.
void drawRaisedEdges(const ShapeGeometry& shape, ShapeCanvas& canvas);
// The upper edge lit, and shadowed while pressed.
void drawLitUpperEdge(const ShapeGeometry& shape, ShapeCanvas& canvas);
// The same, but lit only while hovered.
void drawHoverUpperEdge(const ShapeGeometry& shape, ShapeCanvas& canvas);
void drawEngravedEdges(const ShapeGeometry& shape, ShapeCanvas& canvas);
void drawGlowEdges(const ShapeGeometry& shape, ShapeCanvas& canvas);
void drawInnerOutline(const ShapeGeometry& shape, ShapeCanvas& canvas);

} // namespace dorvak
