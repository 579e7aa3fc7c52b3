#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

const ShapeGeometry triangleUp{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{0, H}, {W / 2, 0}, {W, H}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, 1}, {1, H - 1}, {W - 2, H - 1}, {W / 2, 1}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            c.path({{W / 2, 1}, {1, H - 1}});
            c.pen(buttonShadow);
            c.path({{W / 2, 3}, {3, H - 3}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{1, H - 2}, {W - 3, H - 2}, {W / 2, 3}});
            c.pen(buttonHighlight);
            c.path({{W / 2, 2}, {1, H - 1}});
        },
    .upperEdgePressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, 1}, {1, H - 1}});
        },
    .upperEdgeRaised =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, 2}, {1, H - 1}});
        },
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{1, H - 2}, {W - 3, H - 2}, {W / 2, 3}});
            c.pen(buttonHighlight);
            c.path({{W / 2, 3}, {2, H - 1}});
            c.path({{2, H - 1}, {W - 2, H - 1}, {W / 2, 1}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{4, H - 3}, {W - 5, H - 3}, {W / 2, 5}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{2, H - 2}, {W - 1, H - 2}});
            c.pen(colors[1]);
            c.path({{3, H - 3}, {W - 4, H - 3}, {W / 2, 3}});
            c.pen(colors[2]);
            c.path({{W - 5, H - 4}, {W / 2, 5}});
            c.pen(colors[3]);
            c.path({{W / 2, 3}, {3, H - 3}});
            c.pen(colors[4]);
            c.path({{W / 2, 4}, {3, H - 3}});
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, 2}, {2, H - 2}, {W - 3, H - 2}, {W / 2, 2}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{7, H - 5}, {W / 2, 9}, {W - 8, H - 5}});
        },
};

} // namespace

void DrawShapeTriangleUp(ShapeCanvas& canvas) {
    drawShape(triangleUp, canvas);
}

} // namespace dorvak
