#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

// Along the stem's top, down its left side and the head's left side to the point.
void upperLeftEdge(ShapeCanvas& c, double W, double H) {
    c.path({{W / 1.5, 0}, {W / 3, 0}, {W / 3, H / 3}, {1, H / 3}, {W / 2, H - 1}});
}

const ShapeGeometry arrowDown{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{W / 2, H},
                                    {0, H / 3},
                                    {W / 3, H / 3},
                                    {W / 3, 0},
                                    {W / 1.5, 0},
                                    {W / 1.5, H / 3},
                                    {W, H / 3}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 1.5, 0},
                    {W / 3, 0},
                    {W / 3, H / 3},
                    {1, H / 3},
                    {W / 2, H - 1},
                    {W - 1, H / 3},
                    {W / 1.5 - 1, H / 3},
                    {W / 1.5 - 1, 0}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperLeftEdge(c, W, H);
            c.pen(buttonShadow);
            c.path({{W / 1.5 - 1, 1},
                    {W / 3 + 1, 1},
                    {W / 3 + 1, H / 3 + 1},
                    {3, H / 3 + 1},
                    {W / 2, H - 2}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path(
                {{W / 1.5 - 2, 1}, {W / 1.5 - 2, H / 3 + 1}, {W - 3, H / 3 + 1}, {W / 2, H - 2}});
            c.path({{W - 3, H / 3 + 1}, {W / 2, H - 3}});
            c.pen(buttonHighlight);
            upperLeftEdge(c, W, H);
        },
    .upperEdgePressed = upperLeftEdge,
    .upperEdgeRaised = upperLeftEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path(
                {{W / 1.5 - 2, 2}, {W / 1.5 - 2, H / 3 + 1}, {W - 3, H / 3 + 1}, {W / 2, H - 3}});
            c.pen(buttonHighlight);
            c.path({{W / 3 + 1, 1}, {W / 1.5 + 1, 1}});
            c.path({{W / 3 + 1, 2}, {W / 3 + 1, H / 3 + 1}, {3, H / 3 + 1}, {W / 2, H - 3}});
            c.path({{W / 1.5 - 1, 2}, {W / 1.5 - 1, H / 3}, {W - 1, H / 3}, {W / 2, H - 1}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 3 + 3, 2},
                    {W / 1.5 - 3, 2},
                    {W / 1.5 - 3, H / 3 + 2},
                    {W - 5, H / 3 + 2},
                    {W / 2, H - 4}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{W / 3 + 1, 1}, {W / 1.5 - 1, 1}});
            c.pen(colors[1]);
            c.path({{W / 3 + 1, 1},
                    {W / 1.5 - 2, 1},
                    {W / 1.5 - 2, H / 3 + 1},
                    {W - 3, H / 3 + 1},
                    {W / 2, H - 2}});
            c.pen(colors[2]);
            c.path(
                {{W / 1.5 - 3, 2}, {W / 1.5 - 3, H / 3 + 2}, {W - 5, H / 3 + 2}, {W / 2, H - 4}});
            c.pen(colors[3]);
            c.path({{W / 3 + 1, 2}, {W / 3 + 1, H / 3 + 1}, {3, H / 3 + 1}, {W / 2, H - 3}});
            c.pen(colors[4]);
            c.path({{W / 3 + 2, 3}, {W / 3 + 2, H / 3 + 2}, {4, H / 3 + 2}, {W / 2, H - 4}});
        },
    // Its point lies one column left of the centre line.
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 1.5, 1},
                    {W / 3 + 1, 1},
                    {W / 3 + 1, H / 3 + 1},
                    {3, H / 3 + 1},
                    {W / 2 - 1, H - 2},
                    {W - 3, H / 3 + 1},
                    {W / 1.5 - 2, H / 3 + 1},
                    {W / 1.5 - 2, 1}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{W / 2, H - 7},
                       {9, H / 3 + 4},
                       {W / 3 + 4, H / 3 + 4},
                       {W / 3 + 4, 4},
                       {W / 1.5 - 5, 4},
                       {W / 1.5 - 5, H / 3 + 4},
                       {W - 10, H / 3 + 4}});
        },
};

} // namespace

void DrawShapeArrowDown(ShapeCanvas& canvas) {
    drawShape(arrowDown, canvas);
}

} // namespace dorvak
