#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

// From the stem's upper right corner along the head's upper side to the point.
void upperEdge(ShapeCanvas& c, double W, double H) {
    c.path({{W - 1, H / 3}, {W / 1.5 - 1, H / 3}, {W / 1.5 - 1, 1}, {1, H / 2}});
}

const ShapeGeometry arrowLeft{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{0, H / 2},
                                    {W / 1.5, 0},
                                    {W / 1.5, H / 3},
                                    {W, H / 3},
                                    {W, H / 1.5},
                                    {W / 1.5, H / 1.5},
                                    {W / 1.5, H}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 1, H / 3},
                    {W / 1.5 - 1, H / 3},
                    {W / 1.5 - 1, 1},
                    {1, H / 2},
                    {W / 1.5 - 1, H - 1},
                    {W / 1.5 - 1, H / 1.5 - 1},
                    {W - 1, H / 1.5 - 1},
                    {W - 1, H / 3}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperEdge(c, W, H);
            c.pen(buttonShadow);
            c.path({{W - 1, H / 3 + 1}, {W / 1.5 - 2, H / 3 + 1}, {W / 1.5 - 2, 3}, {2, H / 2}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 2, H / 3 + 2},
                    {W - 2, H / 1.5 - 2},
                    {W / 1.5 - 2, H / 1.5 - 2},
                    {W / 1.5 - 2, H - 3},
                    {2, H / 2}});
            c.pen(buttonHighlight);
            upperEdge(c, W, H);
        },
    .upperEdgePressed = upperEdge,
    .upperEdgeRaised = upperEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            c.path({{W - 2, H / 3 + 2},
                    {W - 2, H / 1.5 - 2},
                    {W / 1.5 - 2, H / 1.5 - 2},
                    {W / 1.5 - 2, H - 3},
                    {3, H / 2}});
            c.pen(buttonHighlight);
            c.path({{W - 1, H / 3 + 1}, {W / 1.5 - 2, H / 3 + 1}, {W / 1.5 - 2, 3}, {2, H / 2}});
            c.path({{W - 1, H / 3 + 1},
                    {W - 1, H / 1.5 - 1},
                    {W / 1.5 - 1, H / 1.5 - 1},
                    {W / 1.5 - 1, H - 1},
                    {1, H / 2}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 3, H / 3 + 2},
                    {W - 3, H / 1.5 - 3},
                    {W / 1.5 - 3, H / 1.5 - 3},
                    {W / 1.5 - 3, H - 5},
                    {5, H / 2}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{W - 2, H / 3 + 1}, {W - 2, H / 1.5 - 1}});
            c.pen(colors[1]);
            c.path({{W - 3, H / 3 + 1},
                    {W - 3, H / 1.5 - 2},
                    {W / 1.5 - 2, H / 1.5 - 2},
                    {W / 1.5 - 2, H - 3},
                    {2, H / 2}});
            c.pen(colors[2]);
            c.path({{W - 3, H / 1.5 - 3},
                    {W / 1.5 - 3, H / 1.5 - 3},
                    {W / 1.5 - 3, H - 5},
                    {4, H / 2}});
            c.pen(colors[3]);
            c.path({{W - 3, H / 3 + 1}, {W / 1.5 - 2, H / 3 + 1}, {W / 1.5 - 2, 3}, {2, H / 2}});
            c.pen(colors[4]);
            c.path({{W - 4, H / 3 + 2}, {W / 1.5 - 3, H / 3 + 2}, {W / 1.5 - 3, 5}, {3, H / 2}});
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W - 3, H / 3 + 1},
                    {W / 1.5 - 2, H / 3 + 1},
                    {W / 1.5 - 2, 3},
                    {2, H / 2},
                    {W / 1.5 - 2, H - 3},
                    {W / 1.5 - 2, H / 1.5 - 2},
                    {W - 2, H / 1.5 - 2},
                    {W - 2, H / 3}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{6, H / 2},
                       {W / 1.5 - 5, 9},
                       {W / 1.5 - 5, H / 3 + 4},
                       {W - 5, H / 3 + 4},
                       {W - 5, H / 1.5 - 5},
                       {W / 1.5 - 5, H / 1.5 - 5},
                       {W / 1.5 - 5, H - 10}});
        },
};

} // namespace

void DrawShapeArrowLeft(ShapeCanvas& canvas) {
    drawShape(arrowLeft, canvas);
}

} // namespace dorvak
