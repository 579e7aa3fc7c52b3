#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

// From the upper right round the upper left to the lower left.
void upperLeftHalf(ShapeCanvas& c, double W, double H) {
    c.arc(W - 2, H - 2, 1, 1, W - 2, 1, 1, H - 2);
}

const ShapeGeometry ellipse{
    .region = [](ShapeCanvas& c, double W, double H) { return c.ellipticRegion(0, 0, W, H); },
    .outline = [](ShapeCanvas& c, double W,
                  double H) { c.roundRect(1, 1, W - 2, H - 2, W - 2, H - 2); },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperLeftHalf(c, W, H);
            c.pen(buttonShadow);
            c.arc(W - 3, H - 3, 2, 2, W - 3, 2, 2, H - 3);
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.arc(1, 1, W - 3, H - 3, W / 3, H / 2, W - 3, 1);
            c.pen(buttonHighlight);
            upperLeftHalf(c, W, H);
        },
    .upperEdgePressed = upperLeftHalf,
    .upperEdgeRaised = upperLeftHalf,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.arc(W - 3, H - 3, 2, 2, W / 2, H - 3, W / 2, 3);
            c.pen(buttonHighlight);
            c.arc(W - 3, H - 3, 2, 2, W / 2, 2, W / 2, H - 2);
            c.arc(W - 2, H - 2, 1, 1, W / 2, H - 2, W / 2, 2);
        },
    .glowPressed = [](ShapeCanvas& c, double W,
                      double H) { c.arc(W - 4, H - 4, 3, 3, W / 2, H - 2, W / 2, 3); },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.arc(2, 2, W - 3, H - 3, 2, H - 3, W - 3, H - 3);
            c.pen(colors[1]);
            c.arc(2, 2, W - 3, H - 4, 3, 3, W - 2, 4);
            c.pen(colors[2]);
            c.arc(3, 3, W - 4, H - 3, 2, 3, W - 2, 3);
            c.pen(colors[3]);
            c.arc(W - 3, H - 2, 2, 2, W - 3, 3, 3, 3);
            c.pen(colors[4]);
            c.arc(W - 3, H - 3, 3, 3, W - 3, 4, 4, 4);
        },
    .innerOutline = [](ShapeCanvas& c, double W,
                       double H) { c.roundRect(2, 2, W - 3, H - 3, W - 3, H - 3); },
    .focusOutline = [](ShapeCanvas& c, double W,
                       double H) { c.roundRect(4, 4, W - 5, H - 5, W - 5, H - 5); },
};

} // namespace

void DrawShapeEllipse(ShapeCanvas& canvas) {
    drawShape(ellipse, canvas);
}

} // namespace dorvak
