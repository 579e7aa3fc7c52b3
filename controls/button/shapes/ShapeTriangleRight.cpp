#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

const ShapeGeometry triangleRight{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{W, H / 2}, {0, 0}, {0, H}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 2, H / 2}, {0, 1}, {0, H - 1}, {W - 1, H / 2}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            c.path({{W - 2, H / 2}, {0, 1}, {0, H - 1}});
            c.pen(buttonShadow);
            c.path({{W - 5, H / 2}, {1, 2}, {1, H - 2}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{1, H - 3}, {W - 3, H / 2}});
            c.pen(buttonHighlight);
            c.path({{W - 3, H / 2}, {0, 1}, {0, H - 1}});
        },
    .upperEdgePressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 2, H / 2}, {0, 1}, {0, H - 1}});
        },
    .upperEdgeRaised =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 3, H / 2}, {0, 1}, {0, H - 1}});
        },
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{1, H - 3}, {W - 3, H / 2}});
            c.pen(buttonHighlight);
            c.path({{W - 5, H / 2}, {1, 3}, {1, H - 2}, {W - 1, H / 2}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{2, 4}, {2, H - 5}, {W - 6, H / 2}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{1, 2}, {1, H - 1}});
            c.pen(colors[1]);
            c.path({{2, 2}, {2, H - 3}, {W - 4, H / 2}});
            c.pen(colors[2]);
            c.path({{3, H - 5}, {W - 5, H / 2}});
            c.pen(colors[3]);
            c.path({{W - 4, H / 2}, {4, 4}});
            c.pen(colors[4]);
            c.path({{W - 5, H / 2}, {5, 5}});
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 3, H / 2}, {1, 2}, {1, H - 2}, {W - 2, H / 2}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{W - 10, H / 2}, {4, 7}, {4, H - 8}});
        },
};

} // namespace

void DrawShapeTriangleRight(ShapeCanvas& canvas) {
    drawShape(triangleRight, canvas);
}

} // namespace dorvak
