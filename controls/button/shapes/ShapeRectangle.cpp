#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

void upperLeftEdge(ShapeCanvas& c, double W, double H) {
    c.path({{W - 1, 0}, {0, 0}, {0, H - 1}});
}

const ShapeGeometry rectangle{
    .region = nullptr,
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{0, 0}, {0, H - 1}, {W - 1, H - 1}, {W - 1, 0}, {0, 0}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperLeftEdge(c, W, H);
            c.pen(buttonShadow);
            c.path({{W - 1, 1}, {1, 1}, {1, H - 1}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
            c.pen(buttonHighlight);
            upperLeftEdge(c, W, H);
        },
    .upperEdgePressed = upperLeftEdge,
    .upperEdgeRaised = upperLeftEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 2, 1}, {W - 2, H - 2}, {2, H - 2}});
            c.pen(buttonHighlight);
            c.path({{W - 1, 1}, {1, 1}, {1, H - 1}, {W - 1, H - 1}, {W - 1, 1}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{2, H - 3}, {W - 3, H - 3}, {W - 3, 2}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{W - 2, H - 2}, {0, H - 2}});
            c.pen(colors[1]);
            c.path({{1, 1}, {1, H - 3}, {W - 2, H - 3}, {W - 2, 1}});
            c.pen(colors[2]);
            c.path({{2, 2}, {2, H - 3}});
            c.path({{W - 3, H - 4}, {W - 3, 2}});
            c.pen(colors[3]);
            c.path({{1, 1}, {W - 1, 1}});
            c.pen(colors[4]);
            c.path({{2, 2}, {W - 2, 2}});
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{1, 1}, {1, H - 2}, {W - 2, H - 2}, {W - 2, 1}, {1, 1}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{4, 4}, {4, H - 5}, {W - 5, H - 5}, {W - 5, 4}, {4, 4}});
        },
};

} // namespace

void DrawShapeRectangle(ShapeCanvas& canvas) {
    drawShape(rectangle, canvas);
}

} // namespace dorvak
