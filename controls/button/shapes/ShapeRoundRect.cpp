#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

// The top edge, the upper-left corner and the left edge, down to where the lower-left
// corner begins.
void upperAndLeftSides(ShapeCanvas& c, double W, double H) {
    c.path({{10, 0}, {W - 8, 0}});
    c.arc(17, 17, 0, 0, 10, 0, 0, 10);
    c.path({{0, 10}, {0, H - 10}});
}

void upperLeftEdge(ShapeCanvas& c, double W, double H) {
    upperAndLeftSides(c, W, H);
    c.arc(17, H - 17, 0, H - 1, -16, H - 16, 9, H - 1);
}

const ShapeGeometry roundRect{
    .region = [](ShapeCanvas& c, double W,
                 double H) { return c.roundRectRegion(0, 0, W, H, 15, 15); },
    .outline = [](ShapeCanvas& c, double W, double H) { c.roundRect(0, 0, W - 1, H - 1, 16, 16); },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperAndLeftSides(c, W, H);
            c.arc(17, H - 17, 0, H - 1, -16, H - 16, 9, H);
            c.arc(16, H - 16, 0, H - 2, -16, H - 16, 8, H);
            c.pen(buttonShadow);
            c.path({{10, 1}, {W - 8, 1}});
            c.arc(17, 17, 1, 1, 10, 1, 1, 10);
            c.path({{1, 10}, {1, H - 10}});
            c.arc(17, H - 16, 1, H - 2, -16, H - 16, 9, H - 1);
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.roundRect(0, 0, W - 2, H - 2, 15, 15);
            c.pen(buttonHighlight);
            upperAndLeftSides(c, W, H);
            c.arc(17, H - 17, 0, H - 2, -16, H - 16, 9, H - 1);
            c.arc(17, H - 17, 0, H - 1, -16, H - 16, 9, H - 1);
        },
    .upperEdgePressed = upperLeftEdge,
    .upperEdgeRaised = upperLeftEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.roundRect(0, 0, W - 2, H - 2, 16, 16);
            c.pen(buttonHighlight);
            c.roundRect(1, 1, W - 1, H - 1, 16, 16);
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.arc(W - 17, H - 17, W - 3, H - 3, W - 10, H - 3, W - 2, H - 10);
            c.path({{W - 9, H - 4}, {8, H - 4}});
            c.path({{W - 4, 4}, {W - 4, H - 9}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            // The focus look (drawn only when the mouse is away) reaches one row lower at
            // the lower-left corner.
            const double cornerEndY = c.state().mouseOver ? H - 1 : H;
            c.pen(colors[0]);
            c.arc(16, H - 17, 1, H - 2, -17, H, 8, H - 1);
            c.path({{W - 8, H - 3}, {8, H - 3}});
            c.arc(W - 17, H - 17, W - 2, H - 2, W - 10, H - 2, W - 1, H - 10);
            c.pen(colors[1]);
            c.arc(17, H - 18, 1, H - 3, -18, H, 10, cornerEndY);
            c.path({{1, 6}, {1, H - 8}});
            c.path({{W - 8, H - 4}, {8, H - 4}});
            c.arc(W - 17, H - 17, W - 3, H - 3, W - 10, H - 2, W - 1, H - 10);
            c.path({{W - 3, 6}, {W - 3, H - 8}});
            c.pen(colors[2]);
            c.path({{2, 7}, {2, H - 7}});
            c.path({{W - 4, 7}, {W - 4, H - 7}});
            c.arc(17, 17, 1, 1, 8, 0, 0, 8);
            c.arc(W - 17, 17, W - 2, 1, W - 1, 8, W - 12, 1);
            c.arc(W - 17, 17, W - 3, 2, W - 1, 8, W - 12, 1);
            c.arc(17, 17, 2, 2, 8, 0, 0, 8);
            c.pen(colors[3]);
            c.path({{10, 1}, {W - 7, 1}});
            c.pen(colors[4]);
            c.path({{10, 2}, {W - 8, 2}});
        },
    .innerOutline = [](ShapeCanvas& c, double W,
                       double H) { c.roundRect(1, 1, W - 2, H - 2, 14, 14); },
    .focusOutline = [](ShapeCanvas& c, double W,
                       double H) { c.roundRect(4, 4, W - 5, H - 5, 15, 15); },
};

} // namespace

void DrawShapeRoundRect(ShapeCanvas& canvas) {
    drawShape(roundRect, canvas);
}

} // namespace dorvak
