#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

// Up the stem's back, along its upper side and the head's upper side to the point.
void upperEdge(ShapeCanvas& c, double W, double H) {
    c.path({{0, H / 1.5 - 1}, {0, H / 3}, {W / 3, H / 3}, {W / 3, 1}, {W - 1, H / 2}});
}

const ShapeGeometry arrowRight{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{W, H / 2},
                                    {W / 3, 0},
                                    {W / 3, H / 3},
                                    {0, H / 3},
                                    {0, H / 1.5},
                                    {W / 3, H / 1.5},
                                    {W / 3, H}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{0, H / 1.5 - 1},
                    {0, H / 3},
                    {W / 3, H / 3},
                    {W / 3, 1},
                    {W - 1, H / 2},
                    {W / 3, H - 1},
                    {W / 3, H / 1.5 - 1},
                    {0, H / 1.5 - 1}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperEdge(c, W, H);
            c.pen(buttonShadow);
            c.path({{1, H / 1.5 - 2},
                    {1, H / 3 + 1},
                    {W / 3 + 1, H / 3 + 1},
                    {W / 3 + 1, 3},
                    {W - 2, H / 2}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 2, H / 2}, {W / 3 + 1, H - 3}});
            c.path(
                {{W - 3, H / 2}, {W / 3 + 1, H - 3}, {W / 3 + 1, H / 1.5 - 2}, {1, H / 1.5 - 2}});
            c.pen(buttonHighlight);
            upperEdge(c, W, H);
        },
    .upperEdgePressed = upperEdge,
    .upperEdgeRaised = upperEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path(
                {{W - 3, H / 2}, {W / 3 + 1, H - 3}, {W / 3 + 1, H / 1.5 - 2}, {0, H / 1.5 - 2}});
            c.pen(buttonHighlight);
            c.path({{1, H / 1.5 - 2},
                    {1, H / 3 + 1},
                    {W / 3 + 1, H / 3 + 1},
                    {W / 3 + 1, 3},
                    {W - 3, H / 2}});
            c.path({{W - 1, H / 2}, {W / 3, H - 1}, {W / 3, H / 1.5 - 1}, {0, H / 1.5 - 1}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{2, H / 3 + 2},
                    {2, H / 1.5 - 3},
                    {W / 3 + 2, H / 1.5 - 3},
                    {W / 3 + 2, H - 5},
                    {W - 5, H / 2}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{1, H / 1.5 - 2}, {1, H / 3}});
            c.pen(colors[1]);
            c.path({{2, H / 3 + 1},
                    {2, H / 1.5 - 2},
                    {W / 3 + 1, H / 1.5 - 2},
                    {W / 3 + 1, H - 3},
                    {W - 2, H / 2}});
            c.pen(colors[2]);
            c.path(
                {{3, H / 1.5 - 3}, {W / 3 + 2, H / 1.5 - 3}, {W / 3 + 2, H - 5}, {W - 3, H / 2}});
            c.pen(colors[3]);
            c.path({{3, H / 3 + 1}, {W / 3 + 1, H / 3 + 1}, {W / 3 + 1, 3}, {W - 3, H / 2}});
            c.pen(colors[4]);
            c.path({{4, H / 3 + 2}, {W / 3 + 2, H / 3 + 2}, {W / 3 + 2, 5}, {W - 4, H / 2}});
        },
    // Its point lies one row above the centre line.
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{1, H / 1.5 - 2},
                    {1, H / 3 + 1},
                    {W / 3 + 1, H / 3 + 1},
                    {W / 3 + 1, 3},
                    {W - 2, H / 2 - 1},
                    {W / 3 + 1, H - 3},
                    {W / 3 + 1, H / 1.5 - 2},
                    {1, H / 1.5 - 2}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{W - 7, H / 2},
                       {W / 3 + 4, 9},
                       {W / 3 + 4, H / 3 + 4},
                       {4, H / 3 + 4},
                       {4, H / 1.5 - 5},
                       {W / 3 + 4, H / 1.5 - 5},
                       {W / 3 + 4, H - 10}});
        },
};

} // namespace

void DrawShapeArrowRight(ShapeCanvas& canvas) {
    drawShape(arrowRight, canvas);
}

} // namespace dorvak
