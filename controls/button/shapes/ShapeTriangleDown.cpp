#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

const ShapeGeometry triangleDown{
    // The upper vertices sit one row down, so the top row lies outside the window.
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{0, 1}, {W / 2, H}, {W, 1}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, H - 1}, {W - 1, 1}, {1, 1}, {W / 2, H - 1}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            c.path({{W / 2, H - 1}, {1, 1}, {W - 1, 1}});
            c.pen(buttonShadow);
            c.path({{W / 2, H - 4}, {2, 2}, {W - 3, 2}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 2, 1}, {W / 2, H - 3}});
            c.pen(buttonHighlight);
            c.path({{W / 2, H - 2}, {1, 1}, {W - 1, 1}});
        },
    .upperEdgePressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, H - 1}, {1, 1}, {W - 1, 1}});
        },
    .upperEdgeRaised =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, H - 2}, {1, 1}, {W - 1, 1}});
        },
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 3, 2}, {W / 2, H - 3}});
            c.pen(buttonHighlight);
            c.path({{W - 2, 2}, {2, 2}, {W / 2, H - 4}});
            c.path({{W / 2, H - 1}, {W - 1, 1}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{4, 3}, {W - 5, 3}, {W / 2, H - 5}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{2, 2}, {W - 2, 2}});
            c.pen(colors[1]);
            c.path({{3, 3}, {W - 3, 3}, {W / 2, H - 3}});
            c.pen(colors[2]);
            c.path({{W - 5, 4}, {W / 2, H - 4}});
            c.pen(colors[3]);
            c.path({{W / 2, H - 4}, {3, 3}});
            c.pen(colors[4]);
            c.path({{W / 2, H - 5}, {4, 4}});
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, H - 2}, {W - 2, 2}, {2, 2}, {W / 2, H - 2}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{6, 4}, {W / 2, H - 10}, {W - 8, 4}});
        },
};

} // namespace

void DrawShapeTriangleDown(ShapeCanvas& canvas) {
    drawShape(triangleDown, canvas);
}

} // namespace dorvak
