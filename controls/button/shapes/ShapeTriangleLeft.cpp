#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

void upperEdge(ShapeCanvas& c, double W, double H) {
    c.path({{W - 1, 1}, {1, H / 2}});
}

const ShapeGeometry triangleLeft{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{0, H / 2}, {W, 0}, {W, H}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{1, H / 2}, {W - 1, 1}, {W - 1, H - 1}, {1, H / 2}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperEdge(c, W, H);
            c.pen(buttonShadow);
            c.path({{W - 3, 3}, {3, H / 2}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{2, H / 2}, {W - 2, H - 3}, {W - 2, 1}});
            c.pen(buttonHighlight);
            upperEdge(c, W, H);
        },
    .upperEdgePressed = upperEdge,
    .upperEdgeRaised = upperEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 2, 2}, {W - 2, H - 3}, {3, H / 2}});
            c.pen(buttonHighlight);
            c.path({{3, H / 2}, {W - 1, 2}, {W - 1, H - 1}, {1, H / 2}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 3, 5}, {W - 3, H - 5}, {5, H / 2}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{W - 2, 2}, {W - 2, H - 1}});
            c.pen(colors[1]);
            c.path({{W - 3, 2}, {W - 3, H - 3}, {3, H / 2}});
            c.pen(colors[2]);
            c.path({{W - 3, H - 4}, {5, H / 2}});
            c.pen(colors[3]);
            c.path({{3, H / 2}, {W - 3, 3}});
            c.pen(colors[4]);
            c.path({{4, H / 2}, {W - 4, 4}});
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{2, H / 2}, {W - 2, 2}, {W - 2, H - 2}, {2, H / 2}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{9, H / 2}, {W - 5, 7}, {W - 5, H - 8}});
        },
};

} // namespace

void DrawShapeTriangleLeft(ShapeCanvas& canvas) {
    drawShape(triangleLeft, canvas);
}

} // namespace dorvak
