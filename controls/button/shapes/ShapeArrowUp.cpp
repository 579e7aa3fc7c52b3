#include "controls/button/shapes/ShapeRenderers.h"

#include "controls/button/shapes/ShapeFrame.h"

namespace dorvak {

namespace {

// From the point down the head's left side and the stem's left side.
void upperLeftEdge(ShapeCanvas& c, double W, double H) {
    c.path({{W / 2, 1}, {1, H / 1.5 - 1}, {W / 3, H / 1.5 - 1}, {W / 3, H - 1}});
}

// Along the stem's foot, up its right side and the head's right side to the point.
void lowerRightEdge(ShapeCanvas& c, double W, double H, double pointY) {
    c.path({{W / 3, H - 2},
            {W / 1.5 - 2, H - 2},
            {W / 1.5 - 2, H / 1.5 - 2},
            {W - 3, H / 1.5 - 2},
            {W / 2, pointY}});
}

const ShapeGeometry arrowUp{
    .region =
        [](ShapeCanvas& c, double W, double H) {
            return c.polygonRegion({{W / 2, 0},
                                    {0, H / 1.5},
                                    {W / 3, H / 1.5},
                                    {W / 3, H},
                                    {W / 1.5, H},
                                    {W / 1.5, H / 1.5},
                                    {W, H / 1.5}});
        },
    .outline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, 1},
                    {1, H / 1.5 - 1},
                    {W / 3, H / 1.5 - 1},
                    {W / 3, H - 1},
                    {W / 1.5 - 1, H - 1},
                    {W / 1.5 - 1, H / 1.5 - 1},
                    {W - 1, H / 1.5 - 1},
                    {W / 2, 1}});
        },
    .sunken =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(darkShadow3D);
            upperLeftEdge(c, W, H);
            c.pen(buttonShadow);
            c.path({{W / 2, 2}, {2, H / 1.5 - 1}});
            c.path({{2, H / 1.5 - 2}, {W / 3 + 1, H / 1.5 - 2}, {W / 3 + 1, H - 1}});
        },
    .raised =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonHighlight);
            upperLeftEdge(c, W, H);
            c.pen(buttonShadow);
            lowerRightEdge(c, W, H, 2);
        },
    .upperEdgePressed = upperLeftEdge,
    .upperEdgeRaised = upperLeftEdge,
    .engraved =
        [](ShapeCanvas& c, double W, double H) {
            c.pen(buttonShadow);
            lowerRightEdge(c, W, H, 3);
            c.pen(buttonHighlight);
            c.path({{W / 2, 3},
                    {3, H / 1.5 - 2},
                    {W / 3 + 1, H / 1.5 - 2},
                    {W / 3 + 1, H - 1},
                    {W / 1.5 - 1, H - 1},
                    {W / 1.5 - 1, H / 1.5 - 1},
                    {W - 1, H / 1.5 - 1},
                    {W / 2, 1}});
        },
    .glowPressed =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 3 + 3, H - 3},
                    {W / 1.5 - 3, H - 3},
                    {W / 1.5 - 3, H / 1.5 - 3},
                    {W - 5, H / 1.5 - 3},
                    {W / 2, 4}});
        },
    .glowEdges =
        [](ShapeCanvas& c, double W, double H, const EdgeColors& colors) {
            c.pen(colors[0]);
            c.path({{W / 1.5 - 2, H - 2}, {W / 3, H - 2}});
            c.pen(colors[1]);
            c.path({{W / 3 + 1, H - 3},
                    {W / 1.5 - 2, H - 3},
                    {W / 1.5 - 2, H / 1.5 - 2},
                    {W - 3, H / 1.5 - 2},
                    {W / 2, 3}});
            c.pen(colors[2]);
            c.path({{W / 1.5 - 3, H - 3},
                    {W / 1.5 - 3, H / 1.5 - 3},
                    {W - 5, H / 1.5 - 3},
                    {W / 2, 5}});
            c.pen(colors[3]);
            c.path({{W / 2, 3}, {3, H / 1.5 - 2}, {W / 3 + 1, H / 1.5 - 2}, {W / 3 + 1, H - 2}});
            c.pen(colors[4]);
            c.path({{W / 2, 5}, {5, H / 1.5 - 3}, {W / 3 + 2, H / 1.5 - 3}, {W / 3 + 2, H - 3}});
        },
    .innerOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.path({{W / 2, 2},
                    {3, H / 1.5 - 2},
                    {W / 3 + 1, H / 1.5 - 2},
                    {W / 3 + 1, H - 2},
                    {W / 1.5 - 2, H - 2},
                    {W / 1.5 - 2, H / 1.5 - 2},
                    {W - 3, H / 1.5 - 2},
                    {W / 2, 2}});
        },
    .focusOutline =
        [](ShapeCanvas& c, double W, double H) {
            c.polygon({{W / 2, 6},
                       {9, H / 1.5 - 5},
                       {W / 3 + 4, H / 1.5 - 5},
                       {W / 3 + 4, H - 5},
                       {W / 1.5 - 5, H - 5},
                       {W / 1.5 - 5, H / 1.5 - 5},
                       {W - 10, H / 1.5 - 5}});
        },
};

} // namespace

void DrawShapeArrowUp(ShapeCanvas& canvas) {
    drawShape(arrowUp, canvas);
}

} // namespace dorvak
